#pragma once

#include "../gestures/MouseClickListener.h"
#include "../gestures/ParameterHandler.h"

namespace exl
{
// A left click on the component sets the parameter to a fixed value in its own range.
class ChoiceSetListener : public MouseClickListener
{
public:
    ChoiceSetListener (juce::Component* component, juce::RangedAudioParameter* parameter, int value);

private:
    ParameterHandler handler;
    int value;
};
} // namespace exl
