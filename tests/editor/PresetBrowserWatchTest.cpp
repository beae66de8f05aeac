#include "editor/presets/PresetPopup.h"
#include "editor/presets/PresetSelector.h"
#include "editor/presets/PresetTreeViewItem.h"
#include "models/PresetModel.h"
#include "models/PresetModelSync.h"
#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

#include "models/FakeComponentData.h"
#include "support/MouseEvents.h"
#include "support/TemporaryFolder.h"

namespace
{
bool waitUntil (const std::function<bool()>& condition, int timeoutMs = 5000)
{
    const auto end = juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (timeoutMs);
    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;
        juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
    }
    return true;
}

juce::ValueTree findByPath (juce::ValueTree node, const juce::File& file)
{
    if (node[vdm::PathUpdateHandler::Key].toString() == file.getFullPathName())
        return node;
    for (auto child : node)
        if (auto found = findByPath (child, file); found.isValid())
            return found;
    return {};
}

const char* const bypassedState = "<state><param id=\"Bypass\" val=\"1\"/></state>";
const char* const activeState = "<state><param id=\"Bypass\" val=\"0\"/></state>";

// The preset model on fresh folders, with its folder watcher running, the processor it loads into,
// and the browser's header and popup on its tree.
struct WatchedBrowser : ::testing::Test
{
    struct Data : cvl::test::FakeComponentData
    {
        juce::ValueTree presets;
        juce::ValueTree getPresetModel() override { return presets; }
    };

    cvl::test::TemporaryFolder factoryFolder;
    cvl::test::TemporaryFolder userParent;
    CorvaneAudioProcessor processor;
    std::unique_ptr<cvl::PresetModel> model;
    std::unique_ptr<cvl::PresetModelSync> sync;
    Data data;
    std::unique_ptr<cvl::PresetSelector> selector;
    std::unique_ptr<cvl::PresetPopup> popup;

    void SetUp() override
    {
        for (const auto* name : { "One", "Two", "Three" })
            factoryFolder.child (juce::String (name) + ".corvane").replaceWithText (activeState);
        factoryFolder.child ("Sub/Four.corvane").create();
        factoryFolder.child ("Sub/Four.corvane").replaceWithText (activeState);
        model = std::make_unique<cvl::PresetModel> (factoryFolder.get(), userFolder());
        sync = std::make_unique<cvl::PresetModelSync> (model->getRoot(), processor);
        data.presets = model->getRoot();
        selector = std::make_unique<cvl::PresetSelector> (data);
        popup = std::make_unique<cvl::PresetPopup> (data);
        popup->setSize (900, 820);
    }
    void TearDown() override
    {
        popup.reset();
        selector.reset();
        sync.reset();
        model.reset();
    }

    juce::File userFolder() const { return userParent.child ("User Presets"); }
    juce::ValueTree root() const { return model->getRoot(); }
    float bypass() const { return processor.findParameter ("Bypass")->getValue(); }
    PresetTreeViewItem* row (const juce::File& file)
    {
        auto* node = popup->getList().getNode (findByPath (root(), file));
        return node == nullptr ? nullptr : dynamic_cast<PresetTreeViewItem*> (node->row.get());
    }
    juce::String headerName() { return selector->getNameButton().getButtonText(); }
};

TEST_F (WatchedBrowser, ListsThePresetFoldersAtTheirHeight)
{
    // Three presets, the closed Sub and the closed user folder, and the hidden root: 32 x (5 + 1).
    EXPECT_EQ (popup->getList().getHeight(), 192);
    EXPECT_EQ (row (factoryFolder.child ("Sub/Four.corvane"))->getBounds(),
               juce::Rectangle<int> (0, 0, 0, 0));
    EXPECT_EQ (headerName(), "init");
}

TEST_F (WatchedBrowser, AFileCopiedIntoTheUserFolderAppearsAndLoadsWhenClicked)
{
    const auto incoming = userFolder().getChildFile ("Loud.corvane");
    incoming.replaceWithText (bypassedState);
    ASSERT_TRUE (waitUntil ([&] { return row (incoming) != nullptr; })) << "the new file gets a row";
    EXPECT_EQ (row (incoming)->getHeight(), 0) << "inside the closed user folder";

    auto* userRow = row (userFolder());
    userRow->mouseUp (cvl::test::mouseEvent (*userRow, { 10.0f, 10.0f }));
    EXPECT_EQ (popup->getList().getHeight(), 32 * 7);
    auto* loud = row (incoming);
    EXPECT_EQ (loud->getBounds(), juce::Rectangle<int> (15, 160, 873, 30));

    loud->mouseUp (cvl::test::mouseEvent (*loud, { 100.0f, 15.0f }));
    EXPECT_FLOAT_EQ (bypass(), 1.0f);
    EXPECT_EQ (headerName(), "Loud");
    EXPECT_TRUE (loud->isSelected());

    // A file deleted on disk takes its row with it.
    incoming.deleteFile();
    ASSERT_TRUE (waitUntil ([&] { return ! findByPath (root(), incoming).isValid(); }));
    EXPECT_EQ (popup->getList().getHeight(), 32 * 6);

    // The popup's init button resets the parameters and the name.
    popup->getInitButton().triggerClick();
    ASSERT_TRUE (waitUntil ([&] { return headerName() == "init"; }));
    EXPECT_FLOAT_EQ (bypass(), 0.0f);
}

TEST_F (WatchedBrowser, APresetSavedThroughTheModelIsListedSelectedAndNamed)
{
    processor.findParameter ("Bypass")->setValue (1.0f);
    const auto saved = userFolder().getChildFile ("Saved.corvane");
    root().setProperty (cvl::PresetModel::RequestWriteToPath, saved.getFullPathName(), nullptr);
    EXPECT_TRUE (saved.existsAsFile());
    ASSERT_TRUE (waitUntil ([&] { return row (saved) != nullptr && row (saved)->isSelected(); }));
    EXPECT_EQ (headerName(), "Saved");
    EXPECT_TRUE (static_cast<bool> (findByPath (root(), saved)[vdm::SelectionModel::IsSelectedKey]));

    // Previous from the saved preset, the only one in the user folder, steps back over the user
    // folder into the factory presets and loads one; next presses come back to it.
    selector->selectPrevious();
    EXPECT_NE (headerName(), "Saved");
    EXPECT_FLOAT_EQ (bypass(), 0.0f);
    for (int press = 0; press < 5 && headerName() != "Saved"; ++press)
        selector->selectNext();
    EXPECT_EQ (headerName(), "Saved");
    EXPECT_FLOAT_EQ (bypass(), 1.0f);

    // A cancelled dialog sends the empty path: nothing is written and the name stays.
    root().setProperty (cvl::PresetModel::RequestWriteToPath, juce::String(), nullptr);
    EXPECT_EQ (headerName(), "Saved");
}
TEST (PresetBrowserWithoutFactoryFolder, ListsTheUserPresets)
{
    cvl::test::TemporaryFolder userParent;
    const auto userFolder = userParent.child ("User Presets");
    userFolder.createDirectory();
    for (const auto* name : { "a", "b", "c" })
        userFolder.getChildFile (juce::String (name) + ".corvane").replaceWithText (activeState);
    cvl::PresetModel model (juce::File ("/nonexistent-corvane-factory"), userFolder);
    WatchedBrowser::Data data;
    data.presets = model.getRoot();
    cvl::PresetPopup popup (data);
    popup.setSize (900, 820);

    // The missing factory folder is no folder, so the root is not open; its row is hidden all the same
    // and the user folder below it is shown, with its presets once it opens.
    EXPECT_EQ (popup.getList().getHeight(), 32 * 2);
    vdm::DirectoryModel::SetDirOpen (model.getRoot().getChild (0), true);
    EXPECT_EQ (popup.getList().getHeight(), 32 * 5);
    auto* row = popup.getList()
                    .getNode (findByPath (model.getRoot(), userFolder.getChildFile ("b.corvane")))
                    ->row.get();
    EXPECT_EQ (row->getHeight(), 30);
    EXPECT_GE (row->getY(), 32);
}
} // namespace
