#pragma once

namespace vdm
{
// Lets a row follow its own node's "is_selected" and "dir_open" flags; changes of other properties,
// and changes on the node's descendants, are ignored. Message thread.
class TreeViewItemListener
{
public:
    explicit TreeViewItemListener (juce::ValueTree node);
    virtual ~TreeViewItemListener();

    virtual void onItemSelectedChanged (bool selected) = 0;
    virtual void onItemIsDirOpenChanged (bool open) = 0;

private:
    class Impl;
    std::unique_ptr<Impl> impl;

    JUCE_DECLARE_NON_COPYABLE (TreeViewItemListener)
};
} // namespace vdm
