#pragma once

#include "SlotEditorBase.h"

namespace cvl
{
// Three knobs in three columns.
class TimeFeedbackMixEditor : public SlotEditorBase
{
public:
    TimeFeedbackMixEditor (IComponentData& data, int slot, const juce::String& effectName,
                           const std::array<juce::String, 3>& parameterNames,
                           const std::array<juce::String, 3>& tips);
    void resized() override;
};

class DelayEditor : public TimeFeedbackMixEditor
{
public:
    DelayEditor (IComponentData& data, int slot);
    static std::unique_ptr<juce::Component> Create (IComponentData& data, int slot);
};

class DiffuserEditor : public TimeFeedbackMixEditor
{
public:
    DiffuserEditor (IComponentData& data, int slot);
    static std::unique_ptr<juce::Component> Create (IComponentData& data, int slot);
};
} // namespace cvl
