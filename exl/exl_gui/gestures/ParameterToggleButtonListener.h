#pragma once

#include "ParameterHandler.h"

namespace exl
{
// A left click on an enabled component flips its parameter between 0 and 1. Message thread.
class ParameterToggleButtonListener : public juce::MouseListener
{
public:
    ParameterToggleButtonListener (juce::Component& component, juce::RangedAudioParameter* parameter);
    ~ParameterToggleButtonListener() override;

    void mouseUp (const juce::MouseEvent& event) override;

private:
    ParameterHandler handler;
    juce::Component& component;

    JUCE_DECLARE_NON_COPYABLE (ParameterToggleButtonListener)
};
} // namespace exl
