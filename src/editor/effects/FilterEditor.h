#pragma once

#include "TypedEffectEditor.h"
#include "editor/ChoiceSelector.h"

namespace cvl
{
// The cutoff knob, the four filter types and the order selector.
class FilterEditor : public TypedEffectEditor
{
public:
    FilterEditor (IComponentData& data, int slot);
    static std::unique_ptr<juce::Component> Create (IComponentData& data, int slot);
    static juce::Identifier filterTypeId (int slot);
    void resized() override;

private:
    ChoiceSelector order;
};
} // namespace cvl
