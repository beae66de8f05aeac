#include "editor/controls/Tooltips.h"
#include "editor/Colours.h"
#include "editor/controls/ClickMenu.h"
#include "editor/controls/EmphasisArea.h"
#include "editor/controls/TooltipComponent.h"
#include "models/UiModel.h"

#include "ShellFixture.h"

namespace
{
using cvl::UiModel;
using cvl::test::mouseEvent;

struct TooltipLine : cvl::test::ShellFixture
{
    cvl::CorvaneEditor& main() { return editor->getMainComponent(); }
    juce::String line() { return main().getTooltipLine().getText(); }
    void enter (juce::Component& c) { main().getTooltips().mouseEnter (mouseEvent (c, {})); }
    void exit (juce::Component& c) { main().getTooltips().mouseExit (mouseEvent (c, {})); }
};

TEST_F (TooltipLine, ShowsAtOnceAndEmptiesFiveSecondsAfterLeaving)
{
    EXPECT_TRUE (line().isEmpty()) << "the line starts empty";
    auto& bypass = main().getBypass();
    enter (bypass);
    EXPECT_EQ (line(), "Bypass Entire Plugin");
    exit (bypass);
    EXPECT_EQ (editor->getUiModel()[UiModel::Tooltip].toString(), "");
    EXPECT_EQ (line(), "Bypass Entire Plugin") << "kept while the hold runs";

    // The hold is five seconds of the message loop; run it out.
    juce::MessageManager::getInstance()->runDispatchLoopUntil (5200);
    EXPECT_TRUE (line().isEmpty());
}

TEST_F (TooltipLine, MovingBetweenControlsReplacesTheTextWithoutAGap)
{
    enter (main().getBypass());
    exit (main().getBypass());
    enter (main().getMacro (0));
    EXPECT_EQ (line(), "Macro 1");
    juce::MessageManager::getInstance()->runDispatchLoopUntil (100);
    EXPECT_EQ (line(), "Macro 1") << "the exit's hold was cancelled by the next text";
}

TEST_F (TooltipLine, UnregisteredComponentsChangeNothingAndRegisteringAgainReplaces)
{
    enter (main().getBypass());
    juce::Component stranger;
    enter (stranger);
    exit (stranger);
    EXPECT_EQ (editor->getUiModel()[UiModel::Tooltip].toString(), "Bypass Entire Plugin");

    cvl::Tooltips own (editor->getUiModel());
    juce::Component knob;
    own.set (knob, "First");
    own.set (knob, "Second");
    own.mouseEnter (mouseEvent (knob, {}));
    EXPECT_EQ (line(), "Second");
}

TEST (EmphasisArea, TintsOnlyWhileEmphasised)
{
    juce::LookAndFeel_V4 lookAndFeel;
    cvl::Colours::set (lookAndFeel, cvl::Colours::Type::Terminal,
                       juce::Colour (cvl::Colours::DefaultFrontPlate));
    cvl::EmphasisArea area;
    area.setLookAndFeel (&lookAndFeel);
    area.setBounds (0, 0, 75, 66);

    EXPECT_EQ (area.createComponentSnapshot (area.getLocalBounds()).getPixelAt (37, 33).getAlpha(), 0);
    area.emphasised = true;
    const auto image = area.createComponentSnapshot (area.getLocalBounds());
    EXPECT_NEAR (image.getPixelAt (37, 33).getAlpha(), 0x26, 1) << "a translucent tint";
    EXPECT_EQ (image.getPixelAt (0, 0).getAlpha(), 0) << "rounded corners";
    area.setLookAndFeel (nullptr);
}

struct ClickMenuTest : cvl::test::ShellFixture
{
    juce::Component owner;
    std::vector<int> chosen;

    std::unique_ptr<cvl::ClickMenu> makeMenu (cvl::ClickMenu::Type type, int items)
    {
        place (owner, { 100, 300, 150, 30 });
        auto menu = std::make_unique<cvl::ClickMenu> (&owner, type);
        for (int id = 1; id <= items; ++id)
            menu->addItem (id, "Item " + juce::String (id));
        menu->callback = [this] (int id) { chosen.push_back (id); };
        return menu;
    }
};

TEST_F (ClickMenuTest, FourItemsOpenAPopupOf170PixelsAndChoosingCallsBackOnce)
{
    auto menu = makeMenu (cvl::ClickMenu::Type::RightClick, 4);
    menu->getClickListener().mouseUp (mouseEvent (owner, { 5.0f, 5.0f }));
    EXPECT_FALSE (menu->isOpen()) << "a left click does not open a right-click menu";
    menu->getClickListener().mouseUp (cvl::test::rightClick (owner));
    ASSERT_TRUE (menu->isOpen());
    auto* popup = topPopup();
    ASSERT_NE (popup, nullptr);
    EXPECT_EQ (popup->getHeight(), 170);
    EXPECT_EQ (popup->getWidth(), 200);
    EXPECT_EQ (popup->getY(), owner.getBottom()) << "below the owner by default";

    exl::SelectionModel::requestSelection (menu->getTree().getChild (2));
    EXPECT_EQ (chosen, std::vector<int> ({ 3 }));
    pump (20);
    EXPECT_FALSE (menu->isOpen());

    menu->open();
    for (const auto& item : menu->getTree())
        EXPECT_FALSE (static_cast<bool> (item[exl::SelectionModel::Selected])) << "no item stays marked";
    exl::SelectionModel::requestSelection (menu->getTree().getChild (2));
    EXPECT_EQ (chosen, std::vector<int> ({ 3, 3 })) << "the same item can be chosen again";
}

TEST_F (ClickMenuTest, ButtonTypesAndAlignment)
{
    auto left = makeMenu (cvl::ClickMenu::Type::LeftClick, 2);
    left->getClickListener().mouseUp (cvl::test::rightClick (owner));
    EXPECT_FALSE (left->isOpen());
    left->setAlignment (exl::PopupAlignment::Above);
    left->getClickListener().mouseUp (mouseEvent (owner, { 5.0f, 5.0f }));
    ASSERT_TRUE (left->isOpen());
    EXPECT_EQ (topPopup()->getBounds().getBottom(), owner.getY());
    left.reset();
    pump (20);
    EXPECT_EQ (editor->getNumPopups(), 0) << "destruction closes the popup";

    auto any = makeMenu (cvl::ClickMenu::Type::AnyClick, 2);
    any->getClickListener().mouseUp (cvl::test::rightClick (owner));
    EXPECT_TRUE (any->isOpen());
}
} // namespace
