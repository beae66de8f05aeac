#include "TooltipComponent.h"

#include "models/UiModel.h"

namespace cvl
{
TooltipComponent::TooltipComponent (IComponentData& data) : callbacks (data.getUiModel())
{
    label.setJustificationType (juce::Justification::centred);
    label.setInterceptsMouseClicks (false, false);
    label.setName ("Tooltip");
    callbacks.addCallback (
        UiModel::Tooltip,
        [this] (juce::var value)
        {
            stopTimer();
            const auto text = value.toString();
            if (text.isNotEmpty())
                label.setText (text, juce::dontSendNotification);
            else
                startTimer (holdMs);
        },
        true);
}

TooltipComponent::~TooltipComponent() { stopTimer(); }

void TooltipComponent::timerCallback()
{
    label.setText ({}, juce::dontSendNotification);
    stopTimer();
}
} // namespace cvl
