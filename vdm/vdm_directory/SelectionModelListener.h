#pragma once

namespace vdm
{
// Follows the "is_selected" flags of a tree: told of every change of a flag, of the nodes already
// selected when it attaches, and of selected nodes that leave the tree (as deselected). Message thread.
class SelectionModelListener
{
public:
    SelectionModelListener();
    virtual ~SelectionModelListener();

    void setSelectionModelValueTree (juce::ValueTree tree);
    virtual void onTreeSelectionChanged (juce::ValueTree node) = 0;

private:
    class Impl;
    std::unique_ptr<Impl> impl;

    JUCE_DECLARE_NON_COPYABLE (SelectionModelListener)
};
} // namespace vdm
