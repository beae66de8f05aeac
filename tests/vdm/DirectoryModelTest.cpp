#include "support/TemporaryFolder.h"

#include <vdm_directory/vdm_directory.h>

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{
struct ScannedFolder
{
    cvl::test::TemporaryFolder folder;
    vdm::DirectoryModel model;
    vdm::NameUpdateHandler names;
    vdm::PathUpdateHandler paths;

    ScannedFolder()
    {
        model.addUpdateHandler (&names);
        model.addUpdateHandler (&paths);
    }
    void write (const juce::String& relativePath)
    {
        auto file = folder.child (relativePath);
        file.getParentDirectory().createDirectory();
        file.replaceWithText ("x");
    }
    juce::ValueTree node (const juce::String& relativePath) const
    {
        return model.getTree().internalGetValueTreeAt (folder.child (relativePath), false);
    }
};

struct OnlyPresets final : juce::FileFilter
{
    OnlyPresets() : juce::FileFilter ("presets") {}
    bool isFileSuitable (const juce::File& file) const override { return file.hasFileExtension ("corvane"); }
    bool isDirectorySuitable (const juce::File& folder) const override
    {
        return folder.getFileName() != "skip";
    }
};
} // namespace

TEST (DirectoryModel, ScanMirrorsTheFolderWithTypesNamesAndPaths)
{
    ScannedFolder scanned;
    scanned.write ("a.corvane");
    scanned.write ("A.corvane");
    scanned.write ("sub/b.corvane");
    scanned.write (".hidden");
    scanned.model.initialize (scanned.folder.get(), nullptr);

    const auto root = scanned.model.getRootNode();
    EXPECT_EQ (root.getType().toString(), scanned.folder.get().getFileName());
    EXPECT_EQ (static_cast<int> (root["file_type"]), 1);
    EXPECT_EQ (root.getNumChildren(), 4); // upper and lower case are two nodes; hidden entries count

    struct Case
    {
        const char* path;
        int type;
        const char* name;
    };
    for (const auto& entry :
         { Case{ "a.corvane", 2, "a" }, Case{ "A.corvane", 2, "A" }, Case{ "sub", 1, "sub" },
           Case{ "sub/b.corvane", 2, "b" }, Case{ ".hidden", 2, ".hidden" } })
    {
        SCOPED_TRACE (entry.path);
        const auto node = scanned.node (entry.path);
        ASSERT_TRUE (node.isValid());
        EXPECT_EQ (static_cast<int> (node["file_type"]), entry.type);
        EXPECT_EQ (node["name"].toString(), entry.name);
        EXPECT_EQ (node["path"].toString(), scanned.folder.child (entry.path).getFullPathName());
    }
    EXPECT_FALSE (scanned.node ("missing").isValid());
    EXPECT_EQ (scanned.model.getTree().internalGetValueTreeAt (juce::File ("/elsewhere"), false), root);
}

TEST (DirectoryModel, FilterLeavesOutRejectedFoldersAndFiles)
{
    ScannedFolder scanned;
    scanned.write ("keep.corvane");
    scanned.write ("notes.txt");
    scanned.write ("skip/more.txt");
    OnlyPresets filter;
    scanned.model.initialize (scanned.folder.get(), &filter);
    EXPECT_TRUE (scanned.node ("keep.corvane").isValid());
    EXPECT_FALSE (scanned.node ("notes.txt").isValid());
    EXPECT_FALSE (scanned.node ("skip").isValid());
}

TEST (DirectoryModel, ScanFollowsSymbolicLinks)
{
    ScannedFolder scanned;
    cvl::test::TemporaryFolder elsewhere;
    elsewhere.child ("linked.corvane").replaceWithText ("x");
    ASSERT_EQ (symlink (elsewhere.get().getFullPathName().toRawUTF8(),
                        scanned.folder.child ("link").getFullPathName().toRawUTF8()),
               0);
    scanned.model.initialize (scanned.folder.get(), nullptr);
    EXPECT_EQ (static_cast<int> (scanned.node ("link")["file_type"]), 1);
    EXPECT_TRUE (scanned.node ("link/linked.corvane").isValid());
}

TEST (DirectoryModel, MissingRootGivesAnEmptyNodeOfTheOtherType)
{
    vdm::DirectoryModel model;
    model.initialize (juce::File ("/nonexistent-corvane-folder"), nullptr);
    EXPECT_EQ (static_cast<int> (model.getRootNode()["file_type"]), 2);
    EXPECT_EQ (model.getRootNode().getNumChildren(), 0);
}

TEST (DirectoryModel, DirOpenIsKeptOnFoldersOnly)
{
    ScannedFolder scanned;
    scanned.write ("sub/file.corvane");
    scanned.model.initialize (scanned.folder.get(), nullptr);
    auto folder = scanned.node ("sub");
    auto file = scanned.node ("sub/file.corvane");

    vdm::DirectoryModel::SetDirOpen (file, true);
    vdm::DirectoryModel::ToggleIsDirOpen (file);
    EXPECT_FALSE (file.hasProperty ("dir_open"));

    EXPECT_FALSE (vdm::DirectoryModel::IsDirOpen (folder));
    vdm::DirectoryModel::ToggleIsDirOpen (folder);
    EXPECT_TRUE (vdm::DirectoryModel::IsDirOpen (folder));
    vdm::DirectoryModel::SetDirOpen (folder, false);
    EXPECT_FALSE (vdm::DirectoryModel::IsDirOpen (folder));
}
