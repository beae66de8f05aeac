#include "TypedEffectEditor.h"

namespace cvl
{
namespace
{
    constexpr int gap = 6;
    constexpr int typeLabelHeight = 30;
} // namespace

TypedEffectEditor::TypedEffectEditor (IComponentData& componentData, int slotIndex,
                                      const juce::Identifier& typeId, const std::vector<TypeButton>& buttons,
                                      const std::vector<juce::String>& typeNames)
    : SlotEditorBase (componentData, slotIndex), callbacks (componentData.getParameterModel())
{
    for (std::size_t i = 0; i < buttons.size(); ++i)
    {
        auto& button = *typeButtons.emplace_back (std::make_unique<ParameterSetterButton> (
            componentData, typeId, static_cast<int> (i), buttons[i].svg));
        addAndMakeVisible (button);
        tooltips.set (button, buttons[i].tooltip);
    }
    typeLabel.setJustificationType (juce::Justification::centred);
    typeLabel.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (typeLabel);
    const auto steps = static_cast<float> (typeNames.size() - 1);
    callbacks.addCallback (
        typeId,
        [this, typeNames, steps] (juce::var value)
        {
            const auto v = value.isVoid() ? 0.0f : static_cast<float> (value);
            const auto index = juce::roundToInt (v * steps);
            const auto text = index >= 0 && index < static_cast<int> (typeNames.size())
                                  ? typeNames[static_cast<std::size_t> (index)]
                                  : juce::String ("error");
            typeLabel.setText (text, juce::dontSendNotification);
        },
        true);
}

void TypedEffectEditor::layoutTypeColumn (juce::Rectangle<int> column, bool centreRows)
{
    typeLabel.setBounds (column.removeFromBottom (std::min (typeLabelHeight, column.getHeight())));
    const auto w2 = column.getWidth();
    const auto h = column.getHeight();
    const auto left = std::min (w2, (w2 - gap) / 2);
    const auto right = std::max (w2 - left - gap, 0);
    const auto rowHeight = std::max ((h - 12) / 3, 0);
    const auto rows = static_cast<int> ((typeButtons.size() + 1) / 2);
    auto y = column.getY() + gap;
    if (centreRows)
        y = column.getY() + (h - (rows * rowHeight + (rows - 1) * gap)) / 2;
    for (int row = 0; row < rows; ++row)
    {
        const auto top = std::min (y, column.getBottom());
        const auto height = std::max (std::min (rowHeight, column.getBottom() - top), 0);
        const auto first = static_cast<std::size_t> (2 * row);
        typeButtons[first]->setBounds (column.getX(), top, left, height);
        if (first + 1 < typeButtons.size())
            typeButtons[first + 1]->setBounds (column.getX() + left + gap, top, right, height);
        y += rowHeight + gap;
    }
}
} // namespace cvl
