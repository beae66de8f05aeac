#pragma once

#include "SlotEditorBase.h"
#include "editor/controls/ParameterSetterButton.h"

namespace cvl
{
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
} // namespace cvl
