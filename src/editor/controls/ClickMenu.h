#pragma once

#include <exl_gui/exl_gui.h>

#include <functional>

namespace cvl
{
// A small menu of text items on a component: a click on the owner opens it in a popup layer and
// choosing an item calls the callback with the item's id. Message thread.
class ClickMenu
{
public:
    static const juce::Identifier TreeType;
    static const juce::Identifier ItemType;
    static const juce::Identifier ItemId;
    static constexpr int minimumWidth = 200;
    static constexpr int itemPitch = 41; // 35-pixel items and the 6-pixel gap
    static constexpr int margin = 6;

    // The mouse button that opens the menu.
    enum class Type
    {
        RightClick = 0,
        LeftClick = 1,
        AnyClick = 2
    };

    ClickMenu (juce::Component* owner, Type type);
    ~ClickMenu();

    void addItem (int id, const juce::String& text);
    void setAlignment (exl::PopupAlignment newAlignment) noexcept { alignment = newAlignment; }
    [[nodiscard]] exl::PopupAlignment getAlignment() const noexcept { return alignment; }

    // Opens the menu as a click would; nothing without a popup host or while it is open.
    void open();
    [[nodiscard]] bool isOpen() { return popup.isValid(); }
    [[nodiscard]] juce::ValueTree getTree() const { return tree; }
    [[nodiscard]] exl::MouseClickListener& getClickListener() noexcept { return clickListener; }

    std::function<void (int)> callback;

private:
    class Impl;

    juce::Component* owner;
    Type kind;
    std::unique_ptr<Impl> impl;
    juce::ValueTree tree{ TreeType };
    exl::SelectionModel selection{ tree };
    exl::MouseClickListener clickListener;
    exl::PopupClient popup;
    exl::PopupAlignment alignment = exl::PopupAlignment::Below;

    JUCE_DECLARE_NON_COPYABLE (ClickMenu)
};
} // namespace cvl
