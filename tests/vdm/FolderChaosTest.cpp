#include "support/TemporaryFolder.h"

#include <vdm_directory/vdm_directory.h>

#include <gtest/gtest.h>

// Bursts of changes made faster than the message loop runs, each ending with the tree compared to a
// fresh walk of the disk: the cases where the watch used to report paths that no longer exist.
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

// "relative/path type name", one line per entry, sorted.
std::vector<std::string> walkDisk (const juce::File& folder, const juce::String& relative = {})
{
    std::vector<std::string> lines;
    for (const auto& entry : folder.findChildFiles (juce::File::findFilesAndDirectories, false, "*",
                                                    juce::File::FollowSymlinks::no))
    {
        const auto path = relative + "/" + entry.getFileName();
        lines.push_back ((path + " " + juce::String (entry.isDirectory() ? 1 : 2) + " " +
                          entry.getFileNameWithoutExtension())
                             .toStdString());
        const auto below = entry.isDirectory() ? walkDisk (entry, path) : std::vector<std::string>{};
        lines.insert (lines.end(), below.begin(), below.end());
    }
    std::sort (lines.begin(), lines.end());
    return lines;
}

std::vector<std::string> walkTree (const juce::ValueTree& node, const juce::String& relative = {})
{
    std::vector<std::string> lines;
    for (const auto& child : node)
    {
        const auto path = relative + "/" + child.getType().toString();
        lines.push_back (
            (path + " " + child["file_type"].toString() + " " + child["name"].toString()).toStdString());
        const auto below = walkTree (child, path);
        lines.insert (lines.end(), below.begin(), below.end());
    }
    std::sort (lines.begin(), lines.end());
    return lines;
}

struct Watched
{
    cvl::test::TemporaryFolder parent;
    cvl::test::TemporaryFolder outside;
    vdm::DirectoryModel model;
    vdm::NameUpdateHandler names;
    vdm::PathUpdateHandler paths;
    vdm::DirectoryModelSync sync;

    Watched()
    {
        for (const auto* name : { "a/b/c/deep.corvane", "a/one.corvane", "d/two.corvane" })
        {
            root().getChildFile (name).create();
            root().getChildFile (name).replaceWithText ("x");
        }
        model.addUpdateHandler (&names);
        model.addUpdateHandler (&paths);
        model.initialize (root(), nullptr);
        sync.syncModel (model, nullptr);
    }
    juce::File root() const { return parent.child ("root"); }
    juce::File in (const char* path) const { return root().getChildFile (path); }
    juce::File away (const char* path) const { return outside.child (path); }
    bool settles() const
    {
        return waitUntil ([this] { return walkTree (model.getRootNode()) == walkDisk (root()); });
    }
};

void write (const juce::File& file)
{
    [[maybe_unused]] const auto created = file.create();
    file.replaceWithText ("x");
}
} // namespace

TEST (FolderChaos, BurstsOfChangesLeaveTheTreeAsTheDisk)
{
    struct Case
    {
        const char* label;
        std::function<void (Watched&)> burst;
    };
    const Case cases[] = {
        { "a folder moved out keeps changing where it went",
          [] (Watched& w)
          {
              w.in ("a/b").moveFileTo (w.away ("b"));
              write (w.away ("b/c/new.corvane"));
              write (w.away ("b/later.corvane"));
          } },
        { "a folder renamed twice, then moved out and changed",
          [] (Watched& w)
          {
              w.in ("a/b").moveFileTo (w.in ("a/b2"));
              w.in ("a/b2").moveFileTo (w.in ("d/b3"));
              w.in ("d/b3").moveFileTo (w.away ("b4"));
              write (w.away ("b4/c/new.corvane"));
          } },
        { "a folder moved out, its old parent deleted, then changed",
          [] (Watched& w)
          {
              w.in ("a/b").moveFileTo (w.away ("b"));
              w.in ("a").deleteRecursively();
              write (w.away ("b/c/new.corvane"));
          } },
        { "a folder moved out and back under another name",
          [] (Watched& w)
          {
              w.in ("a").moveFileTo (w.away ("a"));
              write (w.away ("a/b/meanwhile.corvane"));
              w.away ("a").moveFileTo (w.in ("d/back"));
              write (w.in ("d/back/b/c/after.corvane"));
          } },
        { "the root deleted and made again",
          [] (Watched& w)
          {
              w.root().deleteRecursively();
              write (w.in ("again/x.corvane"));
          } },
        { "the root replaced by a file, then by a folder",
          [] (Watched& w)
          {
              w.root().deleteRecursively();
              w.root().replaceWithText ("x");
              juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
              w.root().deleteFile();
              write (w.in ("third/y.corvane"));
          } },
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE (entry.label);
        Watched watched;
        ASSERT_TRUE (watched.settles());
        entry.burst (watched);
        EXPECT_TRUE (watched.settles());
        // And it is still watched.
        write (watched.in ("final.corvane"));
        EXPECT_TRUE (watched.settles());
    }
}
