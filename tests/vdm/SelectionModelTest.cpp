#include <vdm_directory/vdm_directory.h>

#include <gtest/gtest.h>

namespace
{
struct Recorder final : vdm::SelectionModelListener
{
    void onTreeSelectionChanged (juce::ValueTree node) override
    {
        events.add (node.getType().toString() + (static_cast<bool> (node["is_selected"]) ? "+" : "-"));
    }
    juce::StringArray events;
};

struct SelectionFixture
{
    juce::ValueTree root { "root" };
    juce::ValueTree folder { "folder" };
    juce::ValueTree a { "a" };
    juce::ValueTree b { "b" };
    vdm::SelectionModel model;
    vdm::SingleSelectionHandler single;
    Recorder recorder;

    SelectionFixture()
    {
        folder.appendChild (a, nullptr);
        root.appendChild (folder, nullptr);
        root.appendChild (b, nullptr);
        model.setValueTree (root);
        model.addSelectionHandler ("single", &single);
        root.setProperty ("selection_mode", "single", nullptr);
        root.setProperty ("is_selected", true, nullptr);
        recorder.setSelectionModelValueTree (root);
    }
    static void request (juce::ValueTree node) { node.setProperty ("request_selection", true, nullptr); }
};
} // namespace

TEST (SelectionModel, SingleModeKeepsExactlyOneSelectedNodeAndReportsTheOldOneFirst)
{
    SelectionFixture f;
    EXPECT_EQ (f.recorder.events.joinIntoString (" "), "root+");
    SelectionFixture::request (f.a);
    SelectionFixture::request (f.b);
    EXPECT_EQ (f.recorder.events.joinIntoString (" "), "root+ root- a+ a- b+");
    EXPECT_FALSE (f.b.hasProperty ("request_selection"));
    ASSERT_EQ (f.model.getSelectedNodes().size(), 1u);
    EXPECT_EQ (f.model.getSelectedNodes().front(), f.b);
}

TEST (SelectionModel, RequestingTheSelectedNodeDeselectsAndSelectsItAgain)
{
    SelectionFixture f;
    SelectionFixture::request (f.a);
    f.recorder.events.clear();
    SelectionFixture::request (f.a);
    EXPECT_EQ (f.recorder.events.joinIntoString (" "), "a- a+");
}

TEST (SelectionModel, RequestWithoutARegisteredModeStaysUnhandled)
{
    juce::ValueTree root ("root");
    vdm::SelectionModel model;
    model.setValueTree (root);
    root.setProperty ("selection_mode", "multiple", nullptr);
    root.setProperty ("request_selection", true, nullptr);
    EXPECT_TRUE (root.hasProperty ("request_selection"));
    EXPECT_FALSE (root.hasProperty ("is_selected"));
}

TEST (SelectionModel, RemovingAFolderReportsItsSelectedNodeAsDeselected)
{
    SelectionFixture f;
    SelectionFixture::request (f.a);
    f.recorder.events.clear();
    f.root.removeChild (f.folder, nullptr);
    EXPECT_EQ (f.recorder.events.joinIntoString (" "), "a-");
    EXPECT_FALSE (static_cast<bool> (f.a["is_selected"]));
}
