#include "VoiceCountSlider.h"

#include "editor/Colours.h"

namespace cvl
{
const juce::Identifier VoiceCountSlider::Identifier{ "VoiceCount" };

VoiceCountSlider::VoiceCountSlider (IComponentData& data)
    : exl::SliderVisualizerBase (data.getParameterModel(), Identifier),
      handler (data.getParameter (Identifier))
{
}

int VoiceCountSlider::getCellCount() const noexcept
{
    const auto range = handler.gestureGetRange();
    return juce::roundToInt (std::max (range.start, range.end));
}

juce::Rectangle<float> VoiceCountSlider::cellBounds (int index) const
{
    const auto w = static_cast<float> (getWidth()) / static_cast<float> (cellsPerRow);
    const auto h = static_cast<float> (getHeight()) / 2.0f;
    return { static_cast<float> (index % cellsPerRow) * w, static_cast<float> (index / cellsPerRow) * h, w,
             h };
}

int VoiceCountSlider::cellAt (juce::Point<float> position) const
{
    for (int i = 0; i < getCellCount(); ++i)
        if (cellBounds (i).contains (position))
            return i;
    return -1;
}

void VoiceCountSlider::mouseMove (const juce::MouseEvent& event)
{
    if (const auto cell = cellAt (event.position); cell >= 0)
        hovered = cell;
    repaint();
}

void VoiceCountSlider::mouseExit (const juce::MouseEvent&)
{
    hovered = -1;
    repaint();
}

void VoiceCountSlider::mouseDown (const juce::MouseEvent& event)
{
    const auto cell = cellAt (event.position);
    if (cell < 0)
        return;
    handler.gestureBegin();
    handler.gestureSetRangedValue (static_cast<float> (cell + 1));
    handler.gestureEnd();
}

void VoiceCountSlider::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    handler.gestureBegin();
    exl::ChoiceParameterGesture (handler).affectChoice (wheel.deltaY > 0.0f ? 1 : -1);
    handler.gestureEnd();
}

void VoiceCountSlider::paintValue (juce::Graphics& g, float value)
{
    const auto count = juce::roundToInt (handler.gestureGetRange().convertFrom0to1 (value));
    const auto colour = Colours::getTextColour (this);
    for (int i = 0; i < getCellCount(); ++i)
    {
        const auto alpha =
            i < count ? colour.getAlpha() : (i <= hovered ? juce::uint8 (0x4c) : juce::uint8 (0x26));
        g.setColour (colour.withAlpha (alpha));
        g.fillEllipse (cellBounds (i).withSizeKeepingCentre (dotSize, dotSize));
    }
}
} // namespace cvl
