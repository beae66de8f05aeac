#pragma once

#include "SlotEditorBase.h"
#include "editor/ChoiceSelector.h"

namespace cvl
{
// The cutoff knob and the order selector in two centred columns.
class AllpassEditor : public SlotEditorBase
{
public:
    AllpassEditor (IComponentData& data, int slot);
    static std::unique_ptr<juce::Component> Create (IComponentData& data, int slot);
    void resized() override;

private:
    ChoiceSelector order;
};
} // namespace cvl
