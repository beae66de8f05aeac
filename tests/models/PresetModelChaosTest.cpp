#include "models/PresetModel.h"
#include "models/PresetModelSync.h"
#include "processor/PluginProcessor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>

// Quick, overlapping changes on disk while the preset model runs with its real folder watch: after
// the dust settles the tree must list exactly what is on disk, with the right properties.
namespace
{
constexpr int settleTimeoutMs = 10000;

bool waitUntil (const std::function<bool()>& condition, int timeoutMs)
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

// One line per entry, "relative/path type=N name=...", sorted; duplicates stay visible.
using Listing = std::vector<std::string>;

std::string line (const juce::String& relative, int type, const juce::String& name)
{
    return (relative + " type=" + juce::String (type) + " name=" + name).toStdString();
}

// Labels put the user entries under "/..user", where no factory entry can clash with them.
void listDisk (const juce::File& folder, const juce::String& label, Listing& out)
{
    for (const auto& entry : folder.findChildFiles (juce::File::findFilesAndDirectories, false, "*",
                                                    juce::File::FollowSymlinks::no))
    {
        const auto entryLabel = label + "/" + entry.getFileName();
        out.push_back (line (entryLabel, entry.isDirectory() ? 1 : 2, entry.getFileNameWithoutExtension()));
        if (entry.isDirectory())
            listDisk (entry, entryLabel, out);
    }
}

void listTree (const juce::ValueTree& node, const juce::File& folder, const juce::String& label,
               const juce::ValueTree& skip, Listing& out)
{
    for (const auto& child : node)
    {
        if (child == skip)
            continue;
        const auto file = folder.getChildFile (child.getType().toString());
        const auto childLabel = label + "/" + child.getType().toString();
        auto text = line (childLabel, static_cast<int> (child["file_type"]), child["name"].toString());
        // A node whose "path" does not match its place in the tree shows it.
        if (child["path"].toString() != file.getFullPathName())
            text += " path=" + child["path"].toString().toStdString();
        out.push_back (text);
        listTree (child, file, childLabel, skip, out);
    }
}

Listing sorted (Listing listing)
{
    std::sort (listing.begin(), listing.end());
    return listing;
}

std::string difference (const Listing& tree, const Listing& disk)
{
    Listing onlyTree, onlyDisk;
    std::set_difference (tree.begin(), tree.end(), disk.begin(), disk.end(), std::back_inserter (onlyTree));
    std::set_difference (disk.begin(), disk.end(), tree.begin(), tree.end(), std::back_inserter (onlyDisk));
    std::string text;
    for (const auto& entry : onlyTree)
        text += "\n  only in the tree: " + entry;
    for (const auto& entry : onlyDisk)
        text += "\n  only on disk:     " + entry;
    return text;
}

// True when permission bits stop this process from listing a folder (they do not for root).
bool permissionsStopReading (const juce::File& lockedFolder)
{
    return lockedFolder.findChildFiles (juce::File::findFilesAndDirectories, false, "*").isEmpty();
}

void setMode (const juce::File& file, mode_t mode) { ::chmod (file.getFullPathName().toRawUTF8(), mode); }

// Makes every folder below readable again, each before it is searched, so that all can be deleted.
void makeReadable (const juce::File& folder)
{
    for (const auto& entry :
         folder.findChildFiles (juce::File::findDirectories, false, "*", juce::File::FollowSymlinks::no))
    {
        setMode (entry, 0755);
        makeReadable (entry);
    }
}

// Creates missing parent folders, as a save into a new folder would not.
void writePreset (const juce::File& file, float bypass)
{
    [[maybe_unused]] const auto created = file.create();
    file.replaceWithText ("<state><param id=\"Bypass\" val=\"" + juce::String (bypass) + "\"/></state>");
}

struct ChaosFixture
{
    cvl::test::TemporaryFolder factoryFolder;
    cvl::test::TemporaryFolder userParent;
    cvl::test::TemporaryFolder outside;
    CorvaneAudioProcessor processor;
    std::unique_ptr<cvl::PresetModel> model;
    std::unique_ptr<cvl::PresetModelSync> sync;
    juce::ValueTree root;

    ChaosFixture()
    {
        writePreset (factoryFolder.child ("Deep/er/factory.corvane"), 1.0f);
        for (const auto* name :
             { "a/one.corvane", "a/b/two.corvane", "a/b/c/three.corvane", "d/four.corvane", "top.corvane" })
            writePreset (userFolder().getChildFile (name), 0.0f);
    }
    ~ChaosFixture()
    {
        sync.reset();
        model.reset();
    }
    void start()
    {
        model = std::make_unique<cvl::PresetModel> (factoryFolder.get(), userFolder());
        sync = std::make_unique<cvl::PresetModelSync> (model->getRoot(), processor);
        root = model->getRoot();
    }
    juce::File userFolder() const { return userParent.child ("User Presets"); }
    juce::ValueTree userNode() const { return root.getChild (root.getNumChildren() - 1); }

    Listing treeListing() const
    {
        Listing listing;
        listTree (root, factoryFolder.get(), "", userNode(), listing);
        listTree (userNode(), userFolder(), "/..user", {}, listing);
        return sorted (listing);
    }
    // What a fresh walk finds, leaving out the lines of the given relative user paths.
    Listing diskListing (const std::vector<juce::String>& leftOut = {}) const
    {
        Listing factory, user;
        listDisk (factoryFolder.get(), "", factory);
        listDisk (userFolder(), "/..user", user);
        for (const auto& entry : user)
            if (std::none_of (leftOut.begin(), leftOut.end(),
                              [&entry] (const juce::String& prefix)
                              { return juce::String (entry).startsWith ("/..user/" + prefix); }))
                factory.push_back (entry);
        return sorted (factory);
    }
    // Pumps the message loop until the tree lists what is on disk; reports what differs if it never does.
    ::testing::AssertionResult settlesOnDisk (const std::vector<juce::String>& leftOut = {}) const
    {
        if (waitUntil ([&] { return treeListing() == diskListing (leftOut); }, settleTimeoutMs))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << difference (treeListing(), diskListing (leftOut));
    }
};

juce::ValueTree findByPath (juce::ValueTree node, const juce::String& path)
{
    if (node["path"].toString() == path)
        return node;
    for (auto child : node)
        if (auto found = findByPath (child, path); found.isValid())
            return found;
    return {};
}

// Random changes in the user folder, with a preset loaded or saved now and then, and the message loop
// pumped only sometimes, so that changes arrive both one by one and in bursts.
class Chaos
{
public:
    Chaos (ChaosFixture& f, uint64_t seed) : fixture (f), random (seed) {}

    void run (int steps)
    {
        for (int step = 0; step < steps; ++step)
        {
            switch (below (14))
            {
                case 0:
                case 1:
                    writePreset (randomFolder().getChildFile (randomName (".corvane")), 0.0f);
                    break;
                case 2:
                    if (const auto file = randomFile(); file != juce::File())
                        writePreset (file, 1.0f);
                    break;
                case 3:
                    randomFile().deleteFile();
                    break;
                case 4:
                    if (const auto file = randomFile(); file != juce::File())
                        file.moveFileTo (file.getSiblingFile (randomName (".corvane")));
                    break;
                case 5:
                    if (const auto file = randomFile(); file != juce::File())
                        file.moveFileTo (randomFolder().getChildFile (file.getFileName()));
                    break;
                case 6:
                {
                    const auto folder = randomFolder().getChildFile (randomName (""));
                    folder.createDirectory();
                    if (below (2) == 0)
                        writePreset (folder.getChildFile ("inside.corvane"), 0.0f);
                    break;
                }
                case 7:
                    if (const auto folder = randomSubFolder(); folder != juce::File())
                        folder.deleteRecursively();
                    break;
                case 8:
                    moveFolder (randomSubFolder(), randomFolder());
                    break;
                case 9:
                    moveFolder (randomSubFolder(), fixture.outside.get());
                    break;
                case 10:
                {
                    // A nested folder made elsewhere arrives in one move.
                    const auto made = fixture.outside.get().getNonexistentChildFile ("made", "", false);
                    writePreset (made.getChildFile ("x/y.corvane"), 0.0f);
                    writePreset (made.getChildFile ("z.corvane"), 0.0f);
                    moveFolder (made, randomFolder());
                    break;
                }
                case 11:
                    // Folders moved out of the tree go on changing; none of it may reach the tree.
                    if (const auto away = entries (fixture.outside.get(), juce::File::findDirectories);
                        ! away.isEmpty())
                        writePreset (
                            away[static_cast<int> (below (static_cast<size_t> (away.size())))].getChildFile (
                                randomName (".corvane")),
                            0.0f);
                    select();
                    break;
                case 12:
                    save();
                    break;
                default:
                    juce::MessageManager::getInstance()->runDispatchLoopUntil (static_cast<int> (below (5)));
                    break;
            }
            if (below (3) == 0)
                juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
        }
    }

private:
    size_t below (size_t bound) { return static_cast<size_t> (random() % bound); }

    // Few names, so that entries come back under names they had before, and two differ only in case.
    juce::String randomName (const char* extension)
    {
        static const char* const names[] = { "p", "q", "r", "s", "P" };
        return names[below (std::size (names))] + juce::String (below (3)) + extension;
    }

    static juce::Array<juce::File> entries (const juce::File& folder, int type)
    {
        return folder.findChildFiles (type, true, "*", juce::File::FollowSymlinks::no);
    }
    juce::Array<juce::File> entries (int type) const { return entries (fixture.userFolder(), type); }

    juce::File randomFile()
    {
        const auto files = entries (juce::File::findFiles);
        return files.isEmpty() ? juce::File()
                               : files[static_cast<int> (below (static_cast<size_t> (files.size())))];
    }

    juce::File randomSubFolder()
    {
        const auto folders = entries (juce::File::findDirectories);
        return folders.isEmpty() ? juce::File()
                                 : folders[static_cast<int> (below (static_cast<size_t> (folders.size())))];
    }

    juce::File randomFolder()
    {
        const auto folder = randomSubFolder();
        return below (3) == 0 || folder == juce::File() ? fixture.userFolder() : folder;
    }

    static void moveFolder (const juce::File& folder, const juce::File& destination)
    {
        if (folder == juce::File() || destination == folder || destination.isAChildOf (folder))
            return;
        folder.moveFileTo (destination.getNonexistentChildFile (folder.getFileName(), "", false));
    }

    void select()
    {
        const auto file = randomFile();
        if (auto node = findByPath (fixture.root, file.getFullPathName()); node.isValid())
            node.setProperty ("request_selection", true, nullptr);
    }

    void save()
    {
        // Only into a folder that exists and may be written: a failed save would open a message box.
        const auto folder = randomFolder();
        if (folder.isDirectory() && folder.hasWriteAccess())
            fixture.root.setProperty ("request_save_to_path",
                                      folder.getChildFile (randomName (".corvane")).getFullPathName(),
                                      nullptr);
    }

    ChaosFixture& fixture;
    std::mt19937_64 random;
};
} // namespace

TEST (PresetModelChaos, TreeListsWhatIsOnDiskAfterQuickChangesInNestedFolders)
{
    for (const uint64_t seed : { 1u, 2u, 3u, 4u })
    {
        SCOPED_TRACE ("seed " + std::to_string (seed));
        ChaosFixture f;
        f.start();
        ASSERT_TRUE (f.settlesOnDisk());
        Chaos (f, seed).run (200);
        EXPECT_TRUE (f.settlesOnDisk());
    }
}

TEST (PresetModelChaos, UserFolderDeletedAndRecreatedIsWatchedAgain)
{
    ChaosFixture f;
    f.start();
    const auto userNode = f.userNode();

    f.userFolder().deleteRecursively();
    ASSERT_TRUE (waitUntil ([&] { return userNode.getNumChildren() == 0; }, settleTimeoutMs));
    EXPECT_EQ (f.userNode(), userNode);

    f.userFolder().createDirectory();
    writePreset (f.userFolder().getChildFile ("back/again.corvane"), 1.0f);
    writePreset (f.userFolder().getChildFile ("first.corvane"), 1.0f);
    EXPECT_TRUE (f.settlesOnDisk());

    // Gone and back again before the message loop runs at all, then changed once more.
    f.userFolder().deleteRecursively();
    f.userFolder().createDirectory();
    writePreset (f.userFolder().getChildFile ("quick/return.corvane"), 1.0f);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    writePreset (f.userFolder().getChildFile ("quick/later.corvane"), 1.0f);
    EXPECT_TRUE (f.settlesOnDisk());

    // For a while a file stands where the folder was.
    f.userFolder().deleteRecursively();
    f.userFolder().replaceWithText ("not a folder");
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    f.userFolder().deleteFile();
    writePreset (f.userFolder().getChildFile ("quick/return.corvane"), 1.0f);
    EXPECT_TRUE (f.settlesOnDisk());

    // A preset saved into the recreated folder shows up and is selected.
    const auto saved = f.userFolder().getChildFile ("quick/saved.corvane");
    f.root.setProperty ("request_save_to_path", saved.getFullPathName(), nullptr);
    EXPECT_TRUE (waitUntil (
        [&] { return static_cast<bool> (findByPath (f.root, saved.getFullPathName())["is_selected"]); },
        settleTimeoutMs));
    Chaos (f, 7).run (100);
    EXPECT_TRUE (f.settlesOnDisk());
}

TEST (PresetModelChaos, UnreadableFoldersBreakNothing)
{
    ChaosFixture f;
    const auto locked = f.userFolder().getChildFile ("locked");
    writePreset (locked.getChildFile ("hidden.corvane"), 1.0f);
    const auto shut = f.userFolder().getChildFile ("a/b");
    setMode (locked, 0);
    const auto blocked = permissionsStopReading (locked);

    // Locked at the start: a scan that cannot look inside finds no preset there and leaves it out.
    f.start();
    EXPECT_TRUE (
        f.settlesOnDisk (blocked ? std::vector<juce::String>{ "locked" } : std::vector<juce::String>{}));
    EXPECT_EQ (findByPath (f.root, locked.getChildFile ("hidden.corvane").getFullPathName()).isValid(),
               ! blocked);

    // Locked while the model runs: the known preset is selected (it cannot be read unless permissions
    // do not stop reading) and everything else goes on changing.
    setMode (shut, 0);
    auto inShut = findByPath (f.root, shut.getChildFile ("two.corvane").getFullPathName());
    ASSERT_TRUE (inShut.isValid());
    inShut.setProperty ("request_selection", true, nullptr);
    EXPECT_EQ (f.root["current_preset_name"].toString(), blocked ? "init" : "two");
    Chaos (f, 11).run (100);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (100);

    // Readable again: a change inside each one shows up, and the tree matches the disk once more.
    makeReadable (f.userFolder());
    makeReadable (f.outside.get());
    if (shut.isDirectory())
        writePreset (shut.getChildFile ("after.corvane"), 0.0f);
    writePreset (locked.getChildFile ("after.corvane"), 0.0f);
    EXPECT_TRUE (f.settlesOnDisk());
}
