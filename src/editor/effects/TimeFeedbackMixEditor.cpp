#include "TimeFeedbackMixEditor.h"

#include "effects/DelayProcessor.h"
#include "effects/DiffuserProcessor.h"

namespace cvl
{
TimeFeedbackMixEditor::TimeFeedbackMixEditor (IComponentData& componentData, int slotIndex,
                                              const juce::String& effectName,
                                              const std::array<juce::String, 3>& parameterNames,
                                              const std::array<juce::String, 3>& tips)
    : SlotEditorBase (componentData, slotIndex)
{
    for (std::size_t i = 0; i < parameterNames.size(); ++i)
        addKnob (effectName, parameterNames[i], tips[i]);
}

void TimeFeedbackMixEditor::resized()
{
    const auto columns = slotColumns (getLocalBounds());
    for (std::size_t i = 0; i < knobs.size() && i < columns.size(); ++i)
        knobs[i]->setBounds (columns[i]);
}

DelayEditor::DelayEditor (IComponentData& componentData, int slotIndex)
    : TimeFeedbackMixEditor (componentData, slotIndex, DelayProcessor::Parameters::Name,
                             { DelayProcessor::Parameters::DelayTime, DelayProcessor::Parameters::Feedback,
                               DelayProcessor::Parameters::Mix },
                             { "Delay Offset", "Delay Feedback", "Delay Mix" })
{
}

std::unique_ptr<juce::Component> DelayEditor::Create (IComponentData& data, int slot)
{
    return std::make_unique<DelayEditor> (data, slot);
}

DiffuserEditor::DiffuserEditor (IComponentData& componentData, int slotIndex)
    : TimeFeedbackMixEditor (componentData, slotIndex, DiffuserProcessor::Parameters::Name,
                             { DiffuserProcessor::Parameters::DelayTime,
                               DiffuserProcessor::Parameters::Feedback, DiffuserProcessor::Parameters::Mix },
                             { "Diffuser Offset", "Diffuser Feedback", "Diffuser Mix" })
{
}

std::unique_ptr<juce::Component> DiffuserEditor::Create (IComponentData& data, int slot)
{
    return std::make_unique<DiffuserEditor> (data, slot);
}
} // namespace cvl
