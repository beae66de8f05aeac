#include "AllpassEditor.h"

#include "effects/AllpassProcessor.h"

namespace cvl
{
AllpassEditor::AllpassEditor (IComponentData& componentData, int slotIndex)
    : SlotEditorBase (componentData, slotIndex),
      order (componentData.getParameter (effectParameterId (AllpassProcessor::Parameters::Name,
                                                            AllpassProcessor::Parameters::Order, slotIndex)))
{
    addKnob (AllpassProcessor::Parameters::Name, AllpassProcessor::Parameters::Cutoff, "Allpass Cutoff");
    addAndMakeVisible (order);
    tooltips.set (order, "Allpass Order");
}

std::unique_ptr<juce::Component> AllpassEditor::Create (IComponentData& data, int slot)
{
    return std::make_unique<AllpassEditor> (data, slot);
}

void AllpassEditor::resized()
{
    const auto pair = centredSlotPair (getLocalBounds());
    knobs[0]->setBounds (pair[0]);
    order.setBounds (pair[1]);
}
} // namespace cvl
