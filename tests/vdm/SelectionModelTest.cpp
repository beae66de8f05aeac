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
    juce::ValueTree root{ "root" };
    juce::ValueTree folder{ "folder" };
    juce::ValueTree a{ "a" };
    juce::ValueTree b{ "b" };
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

namespace
{
// root (open) > closed folder "f" > "f1", "f2"; then file "g". Single selection.
struct KeyFixture
{
    juce::ValueTree root{ "root" };
    juce::ValueTree f{ "f" };
    juce::ValueTree f1{ "f1" };
    juce::ValueTree f2{ "f2" };
    juce::ValueTree g{ "g" };
    vdm::SelectionModel model;
    vdm::SingleSelectionHandler single;
    vdm::TreeViewSelector selector;

    KeyFixture()
    {
        for (auto* node : { &root, &f })
            node->setProperty ("file_type", 1, nullptr);
        for (auto* node : { &f1, &f2, &g })
            node->setProperty ("file_type", 2, nullptr);
        f.appendChild (f1, nullptr);
        f.appendChild (f2, nullptr);
        root.appendChild (f, nullptr);
        root.appendChild (g, nullptr);
        root.setProperty ("dir_open", true, nullptr);
        model.setValueTree (root);
        model.addSelectionHandler ("single", &single);
        root.setProperty ("selection_mode", "single", nullptr);
        selector.setValueTree (root);
    }
};
} // namespace

TEST (TreeViewSelector, ArrowKeysWalkTheVisibleNodes)
{
    KeyFixture k;
    EXPECT_TRUE (static_cast<bool> (k.root["is_selected"])); // nothing selected: the root is asked for

    k.selector.keyDown();
    EXPECT_EQ (k.selector.getCurrent(), k.f);
    EXPECT_TRUE (static_cast<bool> (k.f["is_selected"]));
    k.selector.keyDown(); // f is closed: on to g
    EXPECT_EQ (k.selector.getCurrent(), k.g);
    k.selector.keyUp();
    EXPECT_EQ (k.selector.getCurrent(), k.f);

    k.selector.keyRight(); // opens f, selection unchanged
    EXPECT_TRUE (static_cast<bool> (k.f["dir_open"]));
    EXPECT_EQ (k.selector.getCurrent(), k.f);
    k.selector.keyDown();
    EXPECT_EQ (k.selector.getCurrent(), k.f1);
    k.selector.keyRight(); // a file: next sibling
    EXPECT_EQ (k.selector.getCurrent(), k.f2);
    k.selector.keyDown(); // climbs out of f
    EXPECT_EQ (k.selector.getCurrent(), k.g);
    k.selector.keyUp(); // into the open folder's last child
    EXPECT_EQ (k.selector.getCurrent(), k.f2);
    k.selector.keyLeft(); // a file: to its parent
    EXPECT_EQ (k.selector.getCurrent(), k.f);
    k.selector.keyLeft(); // an open folder: closes it
    EXPECT_FALSE (static_cast<bool> (k.f["dir_open"]));
    EXPECT_EQ (k.selector.getCurrent(), k.f);

    k.selector.keyDown();
    k.selector.keyDown(); // past the last visible node: the root
    EXPECT_EQ (k.selector.getCurrent(), k.root);
    EXPECT_TRUE (static_cast<bool> (k.root["is_selected"]));
    EXPECT_EQ (k.model.getSelectedNodes().size(), 1u);
}

TEST (TreeViewSelectorKeyListener, HandlesOnlyArrowKeysAndStepsOverTheRoot)
{
    KeyFixture k;
    vdm::TreeViewSelectorKeyListener listener;
    listener.setValueTree (k.root);
    EXPECT_FALSE (listener.keyPressed (juce::KeyPress ('a'), nullptr));
    EXPECT_TRUE (listener.keyPressed (juce::KeyPress (juce::KeyPress::upKey), nullptr)); // root: on to f
    EXPECT_TRUE (static_cast<bool> (k.f["is_selected"]));
    EXPECT_TRUE (listener.keyPressed (juce::KeyPress (juce::KeyPress::downKey), nullptr));
    EXPECT_TRUE (static_cast<bool> (k.g["is_selected"]));
    EXPECT_TRUE (listener.keyPressed (juce::KeyPress (juce::KeyPress::downKey), nullptr)); // past the end
    EXPECT_TRUE (static_cast<bool> (k.f["is_selected"]));
    EXPECT_FALSE (static_cast<bool> (k.root["is_selected"]));
}
