#include "editor/Colours.h"
#include "editor/presets/PresetPopup.h"
#include "editor/presets/PresetSelector.h"
#include "editor/presets/PresetTreeViewItem.h"
#include "models/UiModel.h"

#include <gtest/gtest.h>

#include "models/FakeComponentData.h"
#include "support/MouseEvents.h"

namespace
{
using R = juce::Rectangle<int>;

struct Host : juce::Component, exl::PopupHost
{
    Host() : exl::PopupHost (static_cast<juce::Component&> (*this)) { setSize (1000, 920); }
    template <typename Content>
    Content* find() const
    {
        for (auto* child : getChildren())
            if (auto* content = dynamic_cast<Content*> (child))
                return content;
        return nullptr;
    }
};

void pump() { juce::MessageManager::getInstance()->runDispatchLoopUntil (20); }

juce::ValueTree entry (const char* type, bool folder)
{
    juce::ValueTree node{ type };
    node.setProperty (vdm::DirectoryModel::TypeKey,
                      folder ? vdm::DirectoryModel::folderType : vdm::DirectoryModel::otherType, nullptr);
    node.setProperty (vdm::NameUpdateHandler::Key, type, nullptr);
    return node;
}

// A preset tree as the preset model builds it, without files: root (open) holds Bright (open: on, off),
// Dark (closed: x), calm and User (closed: mine), with single selection and the root selected.
struct PresetTree
{
    juce::ValueTree root = entry ("Presets", true);
    vdm::SelectionModel selection;
    vdm::SingleSelectionHandler single;

    PresetTree()
    {
        auto bright = entry ("Bright", true);
        bright.appendChild (entry ("on", false), nullptr);
        bright.appendChild (entry ("off", false), nullptr);
        vdm::DirectoryModel::SetDirOpen (bright, true);
        auto dark = entry ("Dark", true);
        dark.appendChild (entry ("x", false), nullptr);
        auto user = entry ("User", true);
        user.appendChild (entry ("mine", false), nullptr);
        for (auto& child : { bright, dark, entry ("calm", false), user })
            root.appendChild (child, nullptr);

        selection.setValueTree (root);
        selection.addSelectionHandler ("single", &single);
        root.setProperty (vdm::SelectionModel::ModeKey, "single", nullptr);
        vdm::DirectoryModel::SetDirOpen (root, true);
        root.setProperty (vdm::SelectionModel::IsSelectedKey, true, nullptr);
    }

    // "Bright/on" and the like.
    juce::ValueTree at (const juce::String& path) const
    {
        auto node = root;
        for (const auto& part : juce::StringArray::fromTokens (path, "/", ""))
            node = node.getChildWithName (part);
        return node;
    }
    juce::String selected() const { return selectedBelow (root); }

private:
    static juce::String selectedBelow (const juce::ValueTree& node)
    {
        if (static_cast<bool> (node[vdm::SelectionModel::IsSelectedKey]))
            return node.getType().toString();
        for (const auto& child : node)
            if (auto found = selectedBelow (child); found.isNotEmpty())
                return found;
        return {};
    }
};

struct Data : cvl::test::FakeComponentData
{
    juce::ValueTree presets;
    juce::ValueTree getPresetModel() override { return presets; }
};

struct Browser : ::testing::Test
{
    PresetTree tree;
    Data data;
    Browser() { data.presets = tree.root; }
    static void request (juce::ValueTree node)
    {
        node.setProperty (vdm::SelectionModel::RequestSelectionKey, true, nullptr);
    }
};

TEST_F (Browser, PreviousAndNextStepOverFoldersAndWrapAround)
{
    cvl::PresetSelector selector (data);
    struct Case
    {
        const char* from;
        bool next;
        const char* to;
    };
    const Case cases[] = {
        { "", true, "on" },                // from the root to the first preset
        { "Bright/on", false, "Presets" }, // previous on the first entry ends on the root
        { "calm", false, "off" },          // over the closed folder Dark, into the open Bright
        { "Bright/off", true, "x" },       // into Dark, opening it
        { "calm", true, "mine" },          // into the user folder, opening it
        { "User/mine", true, "on" },       // past the last entry to the first preset
    };
    for (const auto& c : cases)
    {
        vdm::DirectoryModel::SetDirOpen (tree.at ("Dark"), false);
        vdm::DirectoryModel::SetDirOpen (tree.at ("User"), juce::String (c.from).startsWith ("User"));
        request (tree.at (c.from));
        ASSERT_EQ (selector.getCurrentNode(), tree.at (c.from)) << c.from;
        c.next ? selector.selectNext() : selector.selectPrevious();
        EXPECT_EQ (tree.selected(), c.to) << c.from << (c.next ? " next" : " previous");
        if (! c.next)
        {
            EXPECT_FALSE (vdm::DirectoryModel::IsDirOpen (tree.at ("Dark"))) << "previous opens nothing";
        }
    }
    EXPECT_TRUE (vdm::DirectoryModel::IsDirOpen (tree.at ("User")));

    // The buttons run the same moves.
    request (tree.at ("calm"));
    selector.getPreviousButton().triggerClick();
    pump();
    EXPECT_EQ (tree.selected(), "off");
    selector.getNextButton().triggerClick();
    pump();
    EXPECT_EQ (tree.selected(), "x");
}

TEST_F (Browser, HeaderShowsTheCurrentNameAndSendsInitRequests)
{
    tree.root.setProperty ("current_preset_name", "init", nullptr);
    cvl::PresetSelector selector (data);
    EXPECT_EQ (selector.getNameButton().getButtonText(), "init");
    tree.root.setProperty ("current_preset_name", "Wide Delay Cloud", nullptr);
    EXPECT_EQ (selector.getNameButton().getButtonText(), "Wide Delay Cloud");

    selector.getInitButton().triggerClick();
    pump();
    EXPECT_TRUE (static_cast<bool> (tree.root["request_load_init_preset"]));
}

TEST_F (Browser, NameButtonOpensThePopupAndTheOverlayButtonClosesIt)
{
    Host host;
    cvl::PresetSelector selector (data);
    selector.addButtonsTo (host);
    selector.setButtonBounds (R (6, 72, 35, 35), R (41, 72, 358, 35), R (399, 72, 35, 35),
                              R (434, 79, 20, 20), R (460, 79, 20, 20), R (486, 79, 20, 20));

    selector.openPresetPopup();
    selector.openPresetPopup();
    EXPECT_EQ (host.getNumPopups(), 1);
    auto* popup = host.find<cvl::PresetPopup>();
    ASSERT_NE (popup, nullptr);
    // Without the main editor among the parents the popup keeps a fixed size.
    EXPECT_EQ (popup->getWidth(), 800);
    EXPECT_EQ (popup->getHeight(), 800);

    data.modulations.setProperty ("Lfo1", true, nullptr);
    selector.toggleOverlay();
    pump();
    EXPECT_EQ (host.getNumPopups(), 0) << "the overlay button closes the preset popup";
    EXPECT_EQ (host.find<cvl::PresetPopup>(), nullptr);

    selector.getOverlayButton().triggerClick();
    pump();
    EXPECT_EQ (host.getNumPopups(), 1);
    EXPECT_EQ (data.ui[cvl::UiModel::Tooltip].toString(), "Showing all assigned modulations");
    EXPECT_FALSE (static_cast<bool> (data.modulations["Lfo1"]));
    EXPECT_TRUE (data.modulations.hasProperty ("VectorSpace3Y"));
    EXPECT_FALSE (static_cast<bool> (data.modulations["VectorSpace3Y"]));

    selector.toggleOverlay();
    pump();
    EXPECT_EQ (host.getNumPopups(), 0);

    // Without a host nothing opens.
    cvl::PresetSelector lonely (data);
    lonely.openPresetPopup();
    lonely.toggleOverlay();
    EXPECT_FALSE (lonely.getPopup().isValid());
}

TEST_F (Browser, PopupLayoutAndAScrollBarForALongList)
{
    cvl::PresetPopup popup (data);
    popup.setSize (900, 820);
    EXPECT_EQ (popup.getFolderButton().getBounds(), R (11, 784, 25, 25));
    EXPECT_EQ (popup.getInitButton().getBounds(), R (300, 779, 147, 35));
    EXPECT_EQ (popup.getSaveButton().getBounds(), R (453, 779, 147, 35));
    EXPECT_EQ (popup.getViewport().getBounds(), R (6, 6, 888, 773));
    EXPECT_EQ (popup.getInitButton().getButtonText(), "init");
    EXPECT_EQ (popup.getSaveButton().getButtonText(), "save");

    // Six visible rows (Bright, on, off, Dark, calm, User) and the hidden root, 32 pixels each.
    auto& list = popup.getList();
    EXPECT_EQ (list.getBounds(), R (0, 0, 888, 32 * 7));
    EXPECT_FALSE (popup.getViewport().getVerticalScrollBar().isVisible());
    auto* calm = list.getNode (tree.at ("calm"))->row.get();
    EXPECT_EQ (calm->getBounds(), R (0, 128, 888, 30));
    EXPECT_EQ (list.getNode (tree.at ("Bright/on"))->row->getBounds(), R (15, 32, 873, 30));
    EXPECT_EQ (list.getNode (tree.at ("Dark/x"))->row->getBounds(), R (0, 0, 0, 0));

    // Opening a folder grows the list; so do rows added to the tree.
    vdm::DirectoryModel::SetDirOpen (tree.at ("User"), true);
    EXPECT_EQ (list.getHeight(), 32 * 8);
    tree.at ("User").appendChild (entry ("more", false), nullptr);
    EXPECT_EQ (list.getHeight(), 32 * 9);
    EXPECT_EQ (list.getNode (tree.at ("User/more"))->row->getBounds(), R (15, 224, 873, 30));
    tree.at ("User").removeChild (tree.at ("User/more"), nullptr);
    EXPECT_EQ (list.getHeight(), 32 * 8);

    // Too tall for the viewport: a scroll bar, and rows narrower by its width and 6 more.
    popup.setSize (900, 200);
    const auto thickness = popup.getViewport().getScrollBarThickness();
    EXPECT_EQ (popup.getViewport().getBounds(), R (6, 6, 888, 153));
    EXPECT_EQ (list.getWidth(), 888 - thickness - 6);
    EXPECT_TRUE (popup.getViewport().getVerticalScrollBar().isVisible());
    EXPECT_EQ (calm->getWidth(), 888 - thickness - 6);

    // The thumb takes the text colour of the editor the popup is shown in.
    juce::LookAndFeel_V4 lookAndFeel;
    cvl::Colours::set (lookAndFeel, cvl::Colours::Type::Terminal,
                       juce::Colour (cvl::Colours::DefaultFrontPlate));
    juce::Component editor;
    editor.setLookAndFeel (&lookAndFeel);
    editor.addChildComponent (popup);
    EXPECT_EQ (popup.getViewport().getVerticalScrollBar().findColour (juce::ScrollBar::thumbColourId),
               cvl::Colours::get (&editor, cvl::Colours::Text));
    editor.removeChildComponent (&popup);
    editor.setLookAndFeel (nullptr);

    // Tiny sizes clamp at zero.
    popup.setSize (5, 5);
    EXPECT_EQ (popup.getViewport().getBounds(), R (6, 6, 0, 0));
    EXPECT_EQ (popup.getFolderButton().getBounds().getWidth(), 0);
}

TEST (PresetPopup, SaveDialogResultsBecomePresetPaths)
{
    struct Case
    {
        juce::File chosen;
        juce::String path;
    };
    const Case cases[] = {
        { {}, "" }, // cancelled
        { juce::File ("/tmp/a/mine.corvane"), "/tmp/a/mine.corvane" },
        { juce::File ("/tmp/a/mine"), "/tmp/a/mine.corvane" },
        { juce::File ("/tmp/a/mine.CORVANE"), "/tmp/a/mine.CORVANE.corvane" }, // the model's test is exact
        { juce::File ("/tmp/a/v1.2"), "/tmp/a/v1.2.corvane" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (cvl::PresetPopup::savePathFor (c.chosen), c.path) << c.chosen.getFullPathName();
}

TEST_F (Browser, ArrowKeysMoveTheSelectionAndNeverStopOnTheRoot)
{
    cvl::PresetPopup popup (data);
    popup.setSize (900, 820);
    auto& keys = popup.getKeyListener();
    auto& list = popup.getList();
    EXPECT_TRUE (list.getWantsKeyboardFocus());

    struct Case
    {
        int key;
        const char* selected;
        bool darkOpen;
    };
    const Case cases[] = {
        { juce::KeyPress::downKey, "Bright", false },
        { juce::KeyPress::downKey, "on", false },
        { juce::KeyPress::upKey, "Bright", false },
        { juce::KeyPress::upKey, "Bright", false },   // not the root
        { juce::KeyPress::leftKey, "Bright", false }, // closes Bright
        { juce::KeyPress::downKey, "Dark", false },
        { juce::KeyPress::rightKey, "Dark", true },
        { juce::KeyPress::rightKey, "x", true },
        { juce::KeyPress::leftKey, "Dark", true },
    };
    for (const auto& c : cases)
    {
        EXPECT_TRUE (keys.keyPressed (juce::KeyPress (c.key), &list));
        EXPECT_EQ (tree.selected(), c.selected) << c.key;
        EXPECT_EQ (vdm::DirectoryModel::IsDirOpen (tree.at ("Dark")), c.darkOpen) << c.key;
    }
    EXPECT_FALSE (vdm::DirectoryModel::IsDirOpen (tree.at ("Bright")));
    EXPECT_FALSE (keys.keyPressed (juce::KeyPress ('a'), &list));
}

TEST_F (Browser, RowClicksToggleFoldersOnTheirArrowAndSelectElsewhere)
{
    cvl::PresetPopup popup (data);
    popup.setSize (900, 820);
    auto row = [&popup, this] (const char* path)
    { return dynamic_cast<PresetTreeViewItem*> (popup.getList().getNode (tree.at (path))->row.get()); };
    auto* dark = row ("Dark");
    ASSERT_NE (dark, nullptr);

    // The highlight starts off whatever the node says and follows later changes.
    request (tree.at ("Dark"));
    cvl::PresetPopup reopened (data);
    auto* fresh =
        dynamic_cast<PresetTreeViewItem*> (reopened.getList().getNode (tree.at ("Dark"))->row.get());
    EXPECT_FALSE (fresh->isSelected());
    EXPECT_TRUE (dark->isSelected());
    request (tree.root);

    dark->mouseUp (cvl::test::mouseEvent (*dark, { 15.0f, 15.0f }));
    EXPECT_TRUE (vdm::DirectoryModel::IsDirOpen (tree.at ("Dark")));
    EXPECT_EQ (tree.selected(), "Presets") << "the arrow does not select";
    EXPECT_EQ (row ("Dark/x")->getBounds(), R (15, 128, 873, 30));

    dark->mouseUp (cvl::test::mouseEvent (*dark, { 200.0f, 15.0f }));
    EXPECT_TRUE (vdm::DirectoryModel::IsDirOpen (tree.at ("Dark")));
    EXPECT_EQ (tree.selected(), "Dark");
    EXPECT_TRUE (dark->isSelected());

    dark->mouseUp (cvl::test::mouseEvent (*dark, { 15.0f, 15.0f }, juce::ModifierKeys::rightButtonModifier));
    EXPECT_TRUE (vdm::DirectoryModel::IsDirOpen (tree.at ("Dark"))) << "right clicks do nothing";
    dark->mouseDoubleClick (cvl::test::mouseEvent (*dark, { 200.0f, 15.0f }));
    EXPECT_FALSE (vdm::DirectoryModel::IsDirOpen (tree.at ("Dark")));

    // A file row asks for selection wherever it is clicked, its empty square included.
    auto* calm = row ("calm");
    calm->mouseUp (cvl::test::mouseEvent (*calm, { 5.0f, 5.0f }));
    EXPECT_EQ (tree.selected(), "calm");
    EXPECT_TRUE (calm->isSelected());
    EXPECT_FALSE (dark->isSelected());

    // A selected row is filled in the text colour and names itself in the background colour.
    juce::LookAndFeel_V4 lookAndFeel;
    cvl::Colours::set (lookAndFeel, cvl::Colours::Type::Terminal,
                       juce::Colour (cvl::Colours::DefaultFrontPlate));
    popup.setLookAndFeel (&lookAndFeel);
    const auto selectedImage = calm->createComponentSnapshot (calm->getLocalBounds());
    const auto idleImage = dark->createComponentSnapshot (dark->getLocalBounds());
    const auto text = cvl::Colours::get (calm, cvl::Colours::Text);
    EXPECT_NEAR (selectedImage.getPixelAt (850, 2).getRed(), text.getRed(), 2);
    EXPECT_EQ (idleImage.getPixelAt (850, 2), juce::Colour (cvl::Colours::PopupBackground));
    // Dark is closed: its arrow points right, so the square's top right corner stays empty.
    EXPECT_GT (idleImage.getPixelAt (12, 15).getAlpha(), idleImage.getPixelAt (850, 2).getAlpha());
    EXPECT_EQ (idleImage.getPixelAt (19, 11), idleImage.getPixelAt (850, 2));
    popup.setLookAndFeel (nullptr);
}
} // namespace
