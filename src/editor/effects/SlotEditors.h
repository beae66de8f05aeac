#pragma once

#include "editor/ChoiceSelector.h"
#include "editor/controls/ModulatedParameterSlider.h"
#include "editor/controls/ParameterSetterButton.h"
#include "editor/controls/Tooltips.h"

namespace cvl
{
// The editors of one effect slot, one per effect type, each with its own controls and tooltips.
// Built by the effect section's factory. Message thread.

// Inside a margin of 6: three columns with gaps of 6, the last taking the rest.
[[nodiscard]] std::array<juce::Rectangle<int>, 3> slotColumns (juce::Rectangle<int> bounds);

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

class BalanceEditor : public SlotEditorBase
{
public:
    BalanceEditor (IComponentData& data, int slot);
    static std::unique_ptr<juce::Component> Create (IComponentData& data, int slot);
    void resized() override;
};

class AllpassEditor : public SlotEditorBase
{
public:
    AllpassEditor (IComponentData& data, int slot);
    static std::unique_ptr<juce::Component> Create (IComponentData& data, int slot);
    void resized() override;

private:
    ChoiceSelector order;
};

// A knob, a row of type buttons with the type's name, and a second knob or an order selector.
class TypedEffectEditor : public SlotEditorBase
{
public:
    struct TypeButton
    {
        const char* svg;
        const char* tooltip;
    };

    TypedEffectEditor (IComponentData& data, int slot, const juce::Identifier& typeId,
                       const std::vector<TypeButton>& buttons, const std::vector<juce::String>& typeNames);

    [[nodiscard]] const juce::Label& getTypeLabel() const noexcept { return typeLabel; }
    [[nodiscard]] ParameterSetterButton& getTypeButton (int index)
    {
        return *typeButtons[static_cast<std::size_t> (index)];
    }
    [[nodiscard]] int getNumTypeButtons() const noexcept { return static_cast<int> (typeButtons.size()); }

protected:
    // Lays out the type buttons in rows of two above the label in `column`; rows of (h - 12) / 3.
    void layoutTypeColumn (juce::Rectangle<int> column, bool centreRows);

    std::vector<std::unique_ptr<ParameterSetterButton>> typeButtons;
    juce::Label typeLabel;
    exl::ValueTreeCallbacks callbacks;
};

class DistortionEditor : public TypedEffectEditor
{
public:
    DistortionEditor (IComponentData& data, int slot);
    static std::unique_ptr<juce::Component> Create (IComponentData& data, int slot);
    static juce::Identifier distortionTypeId (int slot);
    void resized() override;
};

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
