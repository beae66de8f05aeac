#include "ParameterSetterButton.h"

#include "editor/Colours.h"

namespace cvl
{
namespace
{
    constexpr float cornerRadius = 5.0f;
    constexpr int iconHeight = 12;
} // namespace

ParameterSetterButton::ParameterSetterButton (IComponentData& data, const juce::Identifier& identifier,
                                              int buttonValue, const char* svg)
    : setListener (this, data.getParameter (identifier), buttonValue), callbacks (data.getParameterModel()),
      value (buttonValue), icon (svg, true)
{
    if (const auto* parameter = data.getParameter (identifier))
        range = parameter->getNormalisableRange();
    callbacks.addCallback (
        identifier,
        [this] (juce::var v)
        {
            const auto normalised = v.isVoid() ? 0.0f : static_cast<float> (v);
            selected = value == juce::roundToInt (range.convertFrom0to1 (normalised));
            repaint();
        },
        true);
}

ParameterSetterButton::~ParameterSetterButton() = default;

void ParameterSetterButton::paint (juce::Graphics& g)
{
    const auto c = Colours::getTextColour (this);
    if (selected || isMouseOver())
    {
        g.setColour (c.withAlpha (selected ? juce::uint8 (0x40) : juce::uint8 (0x1a)));
        g.fillRoundedRectangle (getLocalBounds().toFloat(), cornerRadius);
    }
    g.setColour (c.withAlpha (1.0f));
    icon.setBounds (
        juce::Rectangle<int> (0, (getHeight() - iconHeight) / 2, getWidth(), iconHeight).toFloat());
    icon.paint (g);
}
} // namespace cvl
