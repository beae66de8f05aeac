#pragma once

#include "SelectionModelListener.h"

namespace vdm
{
// One node of a tree that can step to its siblings.
struct Cursor
{
    juce::ValueTree node;
    // Moves by the offset (-1 previous, +1 next) when that sibling exists.
    bool sibling (int offset);
};

// Moves the selection of a folder tree through its visible nodes (the root and, recursively, the
// children of every open folder) by requesting selection of the next node. Message thread.
class TreeViewSelector
{
public:
    TreeViewSelector();
    ~TreeViewSelector();

    void setValueTree (juce::ValueTree root);
    void keyUp();
    void keyDown();
    // Left and right: close or open a folder, or step out of or into it.
    void keyLeft();
    void keyRight();
    [[nodiscard]] juce::ValueTree getCurrent() const;

private:
    class Impl;
    std::unique_ptr<Impl> impl;

    JUCE_DECLARE_NON_COPYABLE (TreeViewSelector)
};
} // namespace vdm
