#include "support/TemporaryFolder.h"

#include <vdm_directory/vdm_directory.h>

#include <gtest/gtest.h>

namespace
{
// Pumps the message loop until the condition holds or the time is up.
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

struct WatchedFolder
{
    cvl::test::TemporaryFolder outside;
    cvl::test::TemporaryFolder folder;
    vdm::DirectoryModel model;
    vdm::NameUpdateHandler names;
    vdm::PathUpdateHandler paths;
    std::unique_ptr<vdm::DirectoryModelSync> sync = std::make_unique<vdm::DirectoryModelSync>();

    WatchedFolder()
    {
        folder.child ("sub").createDirectory();
        folder.child ("sub/old.corvane").replaceWithText ("x");
        folder.child ("other").createDirectory();
        outside.child ("incoming.corvane").replaceWithText ("x");
        model.addUpdateHandler (&names);
        model.addUpdateHandler (&paths);
        model.initialize (folder.get(), nullptr);
        sync->syncModel (model, nullptr);
    }
    juce::ValueTree node (const juce::String& relativePath) const
    {
        return model.getTree().internalGetValueTreeAt (folder.child (relativePath), false);
    }
    bool has (const juce::String& relativePath) const { return node (relativePath).isValid(); }
};
} // namespace

TEST (DirectoryModelSync, TreeFollowsChangesOnDisk)
{
    struct Case
    {
        const char* label;
        std::function<void (WatchedFolder&)> change;
        std::function<bool (const WatchedFolder&)> arrived;
    };
    const Case cases[] = {
        { "a new file becomes the last child",
          [] (WatchedFolder& w) { w.folder.child ("sub/new.corvane").replaceWithText ("x"); },
          [] (const WatchedFolder& w)
          {
              return w.has ("sub/new.corvane") && w.node ("sub").getChild (1) == w.node ("sub/new.corvane") &&
                     w.node ("sub/new.corvane")["name"].toString() == "new";
          } },
        { "a deleted file leaves", [] (WatchedFolder& w) { w.folder.child ("sub/old.corvane").deleteFile(); },
          [] (const WatchedFolder& w) { return ! w.has ("sub/old.corvane"); } },
        { "a deleted folder leaves with its contents",
          [] (WatchedFolder& w) { w.folder.child ("sub").deleteRecursively(); },
          [] (const WatchedFolder& w) { return ! w.has ("sub"); } },
        { "a rename replaces the node",
          [] (WatchedFolder& w)
          { w.folder.child ("sub/old.corvane").moveFileTo (w.folder.child ("sub/renamed.corvane")); },
          [] (const WatchedFolder& w)
          {
              return ! w.has ("sub/old.corvane") && w.has ("sub/renamed.corvane") &&
                     w.node ("sub/renamed.corvane")["name"].toString() == "renamed";
          } },
        { "a move between folders",
          [] (WatchedFolder& w)
          { w.folder.child ("sub/old.corvane").moveFileTo (w.folder.child ("other/old.corvane")); },
          [] (const WatchedFolder& w)
          { return ! w.has ("sub/old.corvane") && w.has ("other/old.corvane"); } },
        { "a move out of the tree",
          [] (WatchedFolder& w)
          { w.folder.child ("sub/old.corvane").moveFileTo (w.outside.child ("gone.corvane")); },
          [] (const WatchedFolder& w) { return ! w.has ("sub/old.corvane"); } },
        { "a move into the tree",
          [] (WatchedFolder& w)
          { w.outside.child ("incoming.corvane").moveFileTo (w.folder.child ("incoming.corvane")); },
          [] (const WatchedFolder& w) { return w.has ("incoming.corvane"); } },
        { "a new sub-folder is watched",
          [] (WatchedFolder& w)
          {
              w.folder.child ("fresh").createDirectory();
              w.folder.child ("fresh/inner.corvane").replaceWithText ("x");
              waitUntil ([&w] { return w.has ("fresh/inner.corvane"); });
              w.folder.child ("fresh/later.corvane").replaceWithText ("x");
          },
          [] (const WatchedFolder& w)
          { return w.has ("fresh/inner.corvane") && w.has ("fresh/later.corvane"); } },
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE (entry.label);
        WatchedFolder watched;
        entry.change (watched);
        EXPECT_TRUE (waitUntil ([&] { return entry.arrived (watched); }));
    }
}

TEST (DirectoryModelSync, WritingAFileTwiceGivesOneNode)
{
    WatchedFolder watched;
    watched.folder.child ("twice.corvane").replaceWithText ("one");
    watched.folder.child ("twice.corvane").replaceWithText ("two");
    ASSERT_TRUE (waitUntil ([&] { return watched.has ("twice.corvane"); }));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (200);
    int count = 0;
    for (const auto& child : watched.model.getRootNode())
        count += child.getType().toString() == "twice.corvane" ? 1 : 0;
    EXPECT_EQ (count, 1);
}

TEST (DirectoryModelSync, ChangesQueuedAfterDestructionAreDropped)
{
    WatchedFolder watched;
    watched.folder.child ("late.corvane").replaceWithText ("x");
    juce::Thread::sleep (100); // let the watcher post the change, then destroy the sync before it runs
    watched.sync.reset();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (100);
    EXPECT_FALSE (watched.has ("late.corvane"));
}
