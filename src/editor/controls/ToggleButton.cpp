#include "ToggleButton.h"

#include "editor/Colours.h"

namespace cvl
{
namespace
{
    constexpr float circleSize = 10.0f;
    constexpr float cornerRadius = 5.0f;
    constexpr juce::uint8 shadeAlpha = 0x26;

    bool isHovered (const juce::Component& component)
    {
        const auto& source = juce::Desktop::getInstance().getMainMouseSource();
        if (source.isTouch())
            return component.isMouseButtonDown();
        return component.isMouseOver();
    }
} // namespace

ToggleButton::ToggleButton (IComponentData& data, const juce::Identifier& identifier)
    : exl::ToggleButtonVisualizer (data.getParameterModel(), identifier),
      toggleListener (*this, data.getParameter (identifier))
{
}

ToggleButton::~ToggleButton() = default;

void ToggleButton::paintToggle (juce::Graphics& g, bool on)
{
    g.setColour (Colours::get (this, isHovered (*this) ? Colours::TextHighlighted : Colours::Text));
    const auto circle = getLocalBounds().toFloat().withSizeKeepingCentre (circleSize, circleSize);
    if (on)
        g.fillEllipse (circle);
    g.drawEllipse (circle, 1.0f);
}

BypassBytton::BypassBytton (IComponentData& data, const juce::Identifier& identifier)
    : ToggleButton (data, identifier), callbacks (data.getParameterModel())
{
    callbacks.addCallback (
        identifier,
        [this] (juce::var value)
        {
            if (! value.isVoid() && static_cast<bool> (value))
            {
                blink = true;
                startTimer (blinkIntervalMs);
            }
            else
            {
                blink = false;
                stopTimer();
            }
            repaint();
        },
        true);
}

BypassBytton::~BypassBytton() { stopTimer(); }

void BypassBytton::timerCallback()
{
    blink = ! blink;
    repaint();
}

void BypassBytton::paintToggle (juce::Graphics& g, bool on)
{
    const auto r = getLocalBounds().reduced (2).toFloat();
    const auto colour = Colours::getTextColour (this);
    g.setColour (colour);
    g.drawText (on ? "Bypassed" : "Active", r, juce::Justification::centred, true);
    if (isMouseButtonDown() || blink)
    {
        g.setColour (colour.withAlpha (shadeAlpha));
        g.fillRoundedRectangle (r, cornerRadius);
    }
    if (isMouseOver())
    {
        g.setColour (colour);
        g.drawRoundedRectangle (r, cornerRadius, 1.0f);
    }
}
} // namespace cvl
