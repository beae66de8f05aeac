#include "ClickMenu.h"

#include "editor/DropDownButton.h"

namespace cvl
{
const juce::Identifier ClickMenu::TreeType{ "RightClickMenu" };
const juce::Identifier ClickMenu::ItemType{ "choice" };
const juce::Identifier ClickMenu::ItemId{ "id" };

// Follows the menu's selection while it is open.
class ClickMenu::Impl : public exl::SelectionModelListener
{
public:
    Impl (ClickMenu& menuToServe) : exl::SelectionModelListener (menuToServe.tree), menu (menuToServe) {}

    void onSelectedTreeChanged (juce::ValueTree selected) override
    {
        // Unmarked again at once, so the next opening shows no choice and the same item can be chosen.
        selected.removeProperty (exl::SelectionModel::Selected, nullptr);
        const auto id = static_cast<int> (selected[ItemId]);
        menu.popup.destroy();
        // Last: the callback may change what owns this menu.
        if (menu.callback)
            menu.callback (id);
    }

private:
    ClickMenu& menu;
};

ClickMenu::ClickMenu (juce::Component* ownerComponent, Type menuKind)
    : owner (ownerComponent), kind (menuKind), clickListener (ownerComponent)
{
    clickListener.onClick = [this] (const juce::ModifierKeys& mods)
    {
        const auto wanted = kind == Type::AnyClick ||
                            (kind == Type::RightClick && mods.isRightButtonDown()) ||
                            (kind == Type::LeftClick && mods.isLeftButtonDown());
        if (wanted)
            open();
    };
}

ClickMenu::~ClickMenu() { popup.destroy(); }

void ClickMenu::addItem (int id, const juce::String& text)
{
    juce::ValueTree item{ ItemType };
    item.setProperty (ItemId, id, nullptr);
    item.setProperty (exl::ChoiceParameterModel::ChoiceText, text, nullptr);
    tree.appendChild (item, nullptr);
}

void ClickMenu::open()
{
    if (owner == nullptr || ! popup.findHost (*owner) || popup.isValid() || ! popup.create())
        return;
    popup.setSize (std::max (minimumWidth, owner->getWidth()), tree.getNumChildren() * itemPitch + margin);
    popup.setContentComponent (std::make_unique<DropDownButton::Menu> (tree));
    popup.setCloseCondition (exl::PopupCloseCondition::ClickOutside);
    popup.setRelativeComponent (*owner, false);
    popup.setAlignment (alignment);
    popup.show();
    impl = std::make_unique<Impl> (*this);
}
} // namespace cvl
