#pragma once

#include "ClickMenu.h"
#include "editor/IComponentData.h"

#include <exl_gui/exl_gui.h>

#include <optional>

namespace cvl
{
// The rotary knob every parameter control is: a drag turns it, the wheel steps it, the middle button
// resets it and a right click opens Reset, Copy, Paste and (for modulated parameters) Remove
// Modulations. Subclasses only paint. Message thread.
class Slider : public exl::SliderVisualizerBase
{
public:
    // The knob's arc in radians from 12 o'clock, clockwise positive.
    static const juce::NormalisableRange<float> RadianRange;

    enum MenuItem
    {
        Reset = 1,
        Copy = 2,
        Paste = 3,
        RemoveModulations = 4
    };

    Slider (IComponentData& data, const juce::Identifier& identifier);
    ~Slider() override;

    [[nodiscard]] static float angleFor (float normalisedValue) noexcept;

    [[nodiscard]] ClickMenu& getClickMenu() noexcept { return clickMenu; }
    [[nodiscard]] juce::RangedAudioParameter* getParameter() const noexcept { return parameter; }
    [[nodiscard]] const juce::Identifier& getIdentifier() const noexcept { return identifier; }

    // The menu's actions; Paste takes the clipboard's text.
    void performMenuItem (int item);
    void paste (const juce::String& text);
    // A pasted value: a number clamped to 0 to 1, nothing for text that is not a number.
    [[nodiscard]] static std::optional<float> parsePastedValue (const juce::String& text);

protected:
    IComponentData& data;

private:
    void setNormalised (juce::RangedAudioParameter& target, float value);
    void removeModulations();

    juce::Identifier identifier;
    juce::RangedAudioParameter* parameter;
    exl::ParameterSliderListener<exl::RotaryParameterDragHandler<exl::DragDirection::Both>> sliderListener;
    exl::MouseEventRepaint repainter{ this };
    ClickMenu clickMenu{ this, ClickMenu::Type::RightClick };

    JUCE_DECLARE_NON_COPYABLE (Slider)
};

// Shared drawing of the knob faces, in a component's local coordinates.
struct KnobPainting
{
    // The flat terminal knob; pointerLength is the pointer's share of the diameter (0.3 or 0.2).
    static void paintTerminal (juce::Graphics& g, juce::Rectangle<int> bounds, float value,
                               juce::Colour colour, float pointerLength);
};
} // namespace cvl
