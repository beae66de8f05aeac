#include "BalanceEditor.h"

#include "effects/BalanceProcessor.h"

namespace cvl
{
BalanceEditor::BalanceEditor (IComponentData& componentData, int slotIndex)
    : SlotEditorBase (componentData, slotIndex)
{
    addKnob (BalanceProcessor::Parameters::Name, BalanceProcessor::Parameters::Pan, "Panning");
    addKnob (BalanceProcessor::Parameters::Name, BalanceProcessor::Parameters::Gain, "Gain");
}

std::unique_ptr<juce::Component> BalanceEditor::Create (IComponentData& data, int slot)
{
    return std::make_unique<BalanceEditor> (data, slot);
}

void BalanceEditor::resized()
{
    const auto pair = centredSlotPair (getLocalBounds());
    knobs[0]->setBounds (pair[0]);
    knobs[1]->setBounds (pair[1]);
}
} // namespace cvl
