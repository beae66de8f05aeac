#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace cvl
{
// Draws a modulation range and positions on a knob's arc. Values are in -1 to 1 whatever the knob's
// own range; the square is the control's, less 2 pixels on each side, centred. Message thread.
class ModulationVisualizerPainter
{
public:
    static constexpr float pointSize = 4.0f;

    ModulationVisualizerPainter (juce::Graphics& g, juce::Rectangle<int> controlBounds, juce::Colour colour);

    void paintRail (const juce::Range<float>& range);
    void paintPoint (const float& value);

    // The point on the arc for a value in -1 to 1, in the control's coordinates.
    [[nodiscard]] juce::Point<float> pointFor (float value) const;
    [[nodiscard]] static float angleFor (float value);

private:
    juce::Graphics& g;
    juce::Rectangle<float> square;
    juce::Colour colour;
};
} // namespace cvl
