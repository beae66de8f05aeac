#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace cvl
{
// An embedded SVG drawing painted as one path in the graphics context's current colour, fitted into
// bounds the owner sets. Unparsable or empty text gives an icon that paints nothing. Message thread.
class Icon
{
public:
    static constexpr float strokeWidth = 3.0f;

    Icon (const char* svgText, bool stroke);

    void setBounds (juce::Rectangle<float> newBounds) noexcept { bounds = newBounds; }
    [[nodiscard]] juce::Rectangle<float> getBounds() const noexcept { return bounds; }
    [[nodiscard]] bool isEmpty() const noexcept { return path.isEmpty(); }

    void paint (juce::Graphics& g) const;

private:
    juce::Rectangle<float> bounds;
    std::unique_ptr<juce::XmlElement> document;
    std::unique_ptr<juce::Drawable> drawable;
    juce::Path path;
    bool stroke;
};
} // namespace cvl
