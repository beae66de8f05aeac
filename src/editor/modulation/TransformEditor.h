#pragma once

#include "editor/DropDownButton.h"
#include "editor/controls/ClickMenu.h"
#include "editor/controls/IconButton.h"
#include "editor/controls/ModulatedParameterSlider.h"
#include "editor/controls/ToggleButton.h"
#include "editor/controls/Tooltips.h"
#include "modulation/TransformController.h"

namespace cvl
{
// One transform of a vector space in a row: an options button (move up, move down, reset), the enable
// switch, the type and the X and Y knobs, whose tooltips name what they do for the current type.
// Not a component: addTo puts its controls into the owner. Message thread.
class TransformEditor
{
public:
    enum MenuItem
    {
        MoveUp = 1,
        MoveDown = 2,
        Reset = 3
    };
    static constexpr int transformCount = 4;

    TransformEditor (IComponentData& data, const TransformController::ParameterIds& ids);
    ~TransformEditor();

    void addTo (juce::Component* parent);
    void setBounds (juce::Rectangle<int> area);
    void performMenuItem (int item);

    [[nodiscard]] ClickMenu& getOptionsMenu() noexcept { return optionsMenu; }
    [[nodiscard]] Tooltips& getTooltips() noexcept { return tooltips; }
    [[nodiscard]] ModulatedParameterSlider& getX() noexcept { return x; }
    [[nodiscard]] ModulatedParameterSlider& getY() noexcept { return y; }
    [[nodiscard]] DropDownButton& getTypeButton() noexcept { return typeButton; }
    [[nodiscard]] juce::Component& getOptionsButton() noexcept { return optionsButton; }
    [[nodiscard]] ToggleButton& getEnableButton() noexcept { return enableButton; }

private:
    void refreshTooltips (int type);
    void setControlsEnabled (bool enabled);

    IComponentData& data;
    TransformController::ParameterIds ids;
    int spaceIndex;
    int transformIndex;
    juce::String prefix;
    IconButton optionsButton;
    ClickMenu optionsMenu{ &optionsButton, ClickMenu::Type::AnyClick };
    ToggleButton enableButton;
    DropDownButton typeButton;
    ModulatedParameterSlider x;
    ModulatedParameterSlider y;
    Tooltips tooltips;
    exl::ValueTreeCallbacks callbacks;

    JUCE_DECLARE_NON_COPYABLE (TransformEditor)
};
} // namespace cvl
