#pragma once

#include "editor/controls/ModulatedParameterSlider.h"
#include "editor/controls/Tooltips.h"

namespace cvl
{
// The editors of one effect slot, one per effect type, each with its own controls and tooltips.
// Built by the effect section's factory. Message thread.

// Inside a margin of 6: three columns with gaps of 6, the last taking the rest.
[[nodiscard]] std::array<juce::Rectangle<int>, 3> slotColumns (juce::Rectangle<int> bounds);

// Two columns of a third of the inner width each, centred with a gap between them, full height.
[[nodiscard]] std::array<juce::Rectangle<int>, 2> centredSlotPair (juce::Rectangle<int> bounds);
// An effect parameter of a slot: effect name + parameter name + slot number, scope "Effect".
[[nodiscard]] juce::Identifier effectParameterId (const juce::String& effect, const juce::String& parameter,
                                                  int slot);

// What every slot editor shares: its slot, its own tooltips and its effect knobs.
class SlotEditorBase : public juce::Component
{
public:
    SlotEditorBase (IComponentData& data, int slot);

    [[nodiscard]] Tooltips& getTooltips() noexcept { return tooltips; }
    [[nodiscard]] int getSlot() const noexcept { return slot; }

protected:
    // Knobs of this effect; their tooltips use the slider variant.
    DspSlider& addKnob (const juce::String& effectName, const juce::String& parameterName,
                        const juce::String& tooltip);

    IComponentData& data;
    int slot;
    Tooltips tooltips;
    std::vector<std::unique_ptr<DspSlider>> knobs;
};
} // namespace cvl
