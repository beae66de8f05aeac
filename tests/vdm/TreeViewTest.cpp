#include <vdm_ui/vdm_ui.h>

#include <gtest/gtest.h>

namespace
{
using R = juce::Rectangle<int>;

juce::ValueTree entry (const char* type, bool folder, bool open = false)
{
    juce::ValueTree node{ type };
    node.setProperty (vdm::DirectoryModel::TypeKey,
                      folder ? vdm::DirectoryModel::folderType : vdm::DirectoryModel::otherType, nullptr);
    if (open)
        node.setProperty (vdm::DirectoryModel::DirOpenKey, true, nullptr);
    return node;
}

// root (open): a, b (open: b1, b2), c (closed: c1), d
juce::ValueTree sampleTree()
{
    auto root = entry ("root", true, true);
    root.appendChild (entry ("a", false), nullptr);
    auto b = entry ("b", true, true);
    b.appendChild (entry ("b1", false), nullptr);
    b.appendChild (entry ("b2", false), nullptr);
    root.appendChild (b, nullptr);
    auto c = entry ("c", true);
    c.appendChild (entry ("c1", false), nullptr);
    root.appendChild (c, nullptr);
    root.appendChild (entry ("d", false), nullptr);
    return root;
}

// Rows named after their node; nodes marked "hidden" get no row.
struct NamedRows : vdm::TreeView
{
    std::unique_ptr<juce::Component> createTreeViewItem (juce::ValueTree node) override
    {
        if (static_cast<bool> (node["hidden"]))
            return nullptr;
        return std::make_unique<juce::Component> (node.getType().toString());
    }

    R rowBounds (const char* name) const
    {
        for (auto* child : getChildren())
            if (child->getName() == name)
                return child->getBounds();
        ADD_FAILURE() << "no row " << name;
        return {};
    }
    juce::Component* row (const char* name) const
    {
        for (auto* child : getChildren())
            if (child->getName() == name)
                return child;
        return nullptr;
    }
};

TEST (TreeView, RowsStackByDepthAndClosedFoldersCollapseToZeroSize)
{
    auto tree = sampleTree();
    NamedRows view;
    view.setValueTree (tree);
    view.setBounds (0, 0, 200, 400);

    struct Case
    {
        const char* name;
        R bounds;
    };
    const Case hiddenRoot[] = {
        { "root", R (0, 0, 0, 0) },    { "a", R (0, 0, 200, 20) },    { "b", R (0, 22, 200, 20) },
        { "b1", R (15, 44, 185, 20) }, { "b2", R (15, 66, 185, 20) }, { "c", R (0, 88, 200, 20) },
        { "c1", R (0, 0, 0, 0) },      { "d", R (0, 110, 200, 20) },
    };
    for (const auto& c : hiddenRoot)
        EXPECT_EQ (view.rowBounds (c.name), c.bounds) << c.name;
    EXPECT_EQ (view.getNumChildComponents(), 8);
    // The hidden root counts too: (row + gap) x (visible rows + 1).
    EXPECT_EQ (view.getRootNode().getHeight (20, 2), 22 * 7);

    view.setShowRoot (true);
    view.resized();
    const Case shownRoot[] = {
        { "root", R (0, 0, 200, 20) },
        { "a", R (15, 22, 185, 20) },
        { "b1", R (30, 66, 170, 20) },
        { "d", R (15, 132, 185, 20) },
    };
    for (const auto& c : shownRoot)
        EXPECT_EQ (view.rowBounds (c.name), c.bounds) << c.name;

    // A hidden root shows its children even when it is not an open folder, and they count.
    view.setShowRoot (false);
    EXPECT_EQ (view.getContentHeight(), 22 * 7);
    vdm::DirectoryModel::SetDirOpen (tree, false);
    EXPECT_EQ (view.getRootNode().getHeight (20, 2), 22);
    EXPECT_EQ (view.getContentHeight(), 22 * 7);
    EXPECT_EQ (view.rowBounds ("d"), R (0, 110, 200, 20));
    view.setShowRoot (true);
    view.resized();
    EXPECT_EQ (view.getContentHeight(), 22);
    EXPECT_EQ (view.rowBounds ("a"), R (0, 0, 0, 0));
    vdm::DirectoryModel::SetDirOpen (tree, true);

    // A short view cuts rows off at its bottom instead of overlapping them.
    view.setShowRoot (false);
    view.setBounds (0, 0, 200, 30);
    EXPECT_EQ (view.rowBounds ("b"), R (0, 22, 200, 8));
    EXPECT_EQ (view.rowBounds ("b1"), R (15, 30, 185, 0));
}

TEST (TreeView, OpeningAndClosingAFolderKeepsItsRows)
{
    auto tree = sampleTree();
    NamedRows view;
    view.setValueTree (tree);
    view.setBounds (0, 0, 200, 400);
    auto* b1 = view.row ("b1");

    vdm::DirectoryModel::SetDirOpen (tree.getChild (1), false);
    EXPECT_EQ (view.row ("b1"), b1) << "closing does not delete rows";
    EXPECT_EQ (view.rowBounds ("b1"), R (0, 0, 0, 0));
    EXPECT_EQ (view.rowBounds ("c"), R (0, 44, 200, 20));
    EXPECT_EQ (view.getRootNode().getHeight (20, 2), 22 * 5);

    vdm::DirectoryModel::SetDirOpen (tree.getChild (1), true);
    EXPECT_EQ (view.rowBounds ("b1"), R (15, 44, 185, 20));
    vdm::DirectoryModel::SetDirOpen (tree.getChild (2), true);
    EXPECT_EQ (view.rowBounds ("c1"), R (15, 110, 185, 20));

    // Other properties do not lay the list out.
    view.row ("a")->setBounds (1, 1, 1, 1);
    tree.getChild (0).setProperty ("name", "renamed", nullptr);
    EXPECT_EQ (view.rowBounds ("a"), R (1, 1, 1, 1));
}

TEST (TreeView, RowsFollowNodesAddedRemovedAndMoved)
{
    auto tree = sampleTree();
    NamedRows view;
    view.setValueTree (tree);
    view.setBounds (0, 0, 200, 400);

    // Added in the middle of the root, and inside a closed folder (zero size until it opens).
    tree.addChild (entry ("new", false), 1, nullptr);
    EXPECT_EQ (view.rowBounds ("new"), R (0, 22, 200, 20));
    EXPECT_EQ (view.rowBounds ("b"), R (0, 44, 200, 20));
    auto c = tree.getChildWithName ("c");
    c.appendChild (entry ("c2", false), nullptr);
    EXPECT_EQ (view.rowBounds ("c2"), R (0, 0, 0, 0));
    vdm::DirectoryModel::SetDirOpen (c, true);
    EXPECT_EQ (view.rowBounds ("c2"), R (15, 154, 185, 20));

    // Removing a folder deletes its row and every row below it.
    tree.removeChild (tree.getChildWithName ("b"), nullptr);
    EXPECT_EQ (view.row ("b"), nullptr);
    EXPECT_EQ (view.row ("b1"), nullptr);
    EXPECT_EQ (view.row ("b2"), nullptr);
    EXPECT_EQ (view.rowBounds ("c"), R (0, 44, 200, 20));

    // Moving follows the tree's order: d to the top.
    tree.moveChild (tree.indexOf (tree.getChildWithName ("d")), 0, nullptr);
    EXPECT_EQ (view.rowBounds ("d"), R (0, 0, 200, 20));
    EXPECT_EQ (view.rowBounds ("a"), R (0, 22, 200, 20));

    ASSERT_NE (view.getNode (c.getChildWithName ("c2")), nullptr);
    EXPECT_EQ (view.getNode (c.getChildWithName ("c2"))->row.get(), view.row ("c2"));
    EXPECT_EQ (view.getNode (tree)->row.get(), view.row ("root"));
    EXPECT_EQ (view.getNode (entry ("elsewhere", false)), nullptr);
}

TEST (TreeView, NodesWithoutARowHideTheirSubtree)
{
    auto tree = sampleTree();
    auto b = tree.getChildWithName ("b");
    b.setProperty ("hidden", true, nullptr);
    NamedRows view;
    view.setValueTree (tree);
    view.setBounds (0, 0, 200, 400);

    EXPECT_EQ (view.row ("b"), nullptr);
    EXPECT_EQ (view.row ("b1"), nullptr);
    EXPECT_EQ (view.getNode (b)->children.size(), 0u);
    // A child added later below such a node stays without a row as well.
    b.appendChild (entry ("b3", false), nullptr);
    EXPECT_EQ (view.row ("b3"), nullptr);
    // The rowless open folder still keeps its gap: c sits below a's row and the two gaps.
    EXPECT_EQ (view.rowBounds ("c"), R (0, 24, 200, 20));
}

struct FlagLog : vdm::TreeViewItemListener
{
    using vdm::TreeViewItemListener::TreeViewItemListener;
    void onItemSelectedChanged (bool selected) override
    {
        log.add ("selected " + juce::String (static_cast<int> (selected)));
    }
    void onItemIsDirOpenChanged (bool open) override
    {
        log.add ("open " + juce::String (static_cast<int> (open)));
    }
    juce::StringArray log;
};

TEST (TreeViewItemListener, FollowsOnlyItsOwnNodesFlags)
{
    auto tree = sampleTree();
    auto b = tree.getChildWithName ("b");
    FlagLog listener (b);

    b.setProperty (vdm::SelectionModel::IsSelectedKey, true, nullptr);
    b.setProperty (vdm::DirectoryModel::DirOpenKey, false, nullptr);
    b.setProperty ("name", "other", nullptr);
    b.getChild (0).setProperty (vdm::SelectionModel::IsSelectedKey, true, nullptr);
    tree.setProperty (vdm::DirectoryModel::DirOpenKey, false, nullptr);
    b.setProperty (vdm::SelectionModel::IsSelectedKey, false, nullptr);

    EXPECT_EQ (listener.log.joinIntoString (", "), "selected 1, open 0, selected 0");
}
} // namespace
