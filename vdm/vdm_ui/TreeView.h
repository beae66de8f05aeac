#pragma once

namespace vdm
{
// A vertical list with one row component per node of a directory tree, indented by depth; the rows
// of closed folders stay in place with zero size. Rows come from createTreeViewItem and follow the
// tree's child order; structural changes and "dir_open" changes lay the list out again.
// Message thread.
class TreeView : public juce::Component, public juce::ValueTree::Listener
{
public:
    using RowFactory = std::function<std::unique_ptr<juce::Component> (juce::ValueTree)>;

    // One node of the tree with its row. A node without a row has no children.
    class Node
    {
    public:
        // Builds the row and, when there is one, the child nodes; a previous row is deleted.
        void initialize (juce::ValueTree node, const RowFactory& factory);
        // Gives the rows their bounds from the top of rect and takes the space they use off it.
        void setBounds (juce::Rectangle<int>& rect, int indent, int gap, int rowHeight);
        // This row and, for an open folder, everything below it.
        [[nodiscard]] int getHeight (int rowHeight, int gap) const;

        std::unique_ptr<juce::Component> row;
        juce::ValueTree tree;
        std::vector<Node> children;
    };

    TreeView();
    ~TreeView() override;

    // Builds the rows for a tree and starts listening to it.
    void setValueTree (juce::ValueTree tree);
    // The view node that shows a tree node, or null.
    [[nodiscard]] Node* getNode (const juce::ValueTree& tree);
    [[nodiscard]] const Node& getRootNode() const noexcept { return root; }
    // The height the rows need as resized() lays them out: the root's height, except that a hidden
    // root always shows its children, open or not.
    [[nodiscard]] int getContentHeight() const;

    void setShowRoot (bool show) noexcept { showRoot = show; }
    void setIndent (int pixels) noexcept { indent = pixels; }
    void setGap (int pixels) noexcept { gap = pixels; }
    void setRowHeight (int pixels) noexcept { rowHeight = pixels; }
    [[nodiscard]] bool getShowRoot() const noexcept { return showRoot; }
    [[nodiscard]] int getIndent() const noexcept { return indent; }
    [[nodiscard]] int getGap() const noexcept { return gap; }
    [[nodiscard]] int getRowHeight() const noexcept { return rowHeight; }

    void resized() override;

    void valueTreeChildAdded (juce::ValueTree& parent, juce::ValueTree& child) override;
    void valueTreeChildRemoved (juce::ValueTree& parent, juce::ValueTree& child, int index) override;
    void valueTreeChildOrderChanged (juce::ValueTree& parent, int oldIndex, int newIndex) override;
    void valueTreePropertyChanged (juce::ValueTree& node, const juce::Identifier& property) override;

protected:
    // The row for a node, or null for a node that is not shown (its subtree is not shown either).
    virtual std::unique_ptr<juce::Component> createTreeViewItem (juce::ValueTree node) = 0;

private:
    std::unique_ptr<juce::Component> makeRow (juce::ValueTree node);

    Node root;
    bool showRoot = false;
    int indent = 15;
    int gap = 2;
    int rowHeight = 20;
    juce::ValueTree listened;

    JUCE_DECLARE_NON_COPYABLE (TreeView)
};
} // namespace vdm
