#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <memory>

namespace exl
{
// Follows a selection: called whenever a tree below the root gets its selected flag set to true.
// Message thread.
class SelectionModelListener
{
public:
    explicit SelectionModelListener (juce::ValueTree root);
    virtual ~SelectionModelListener();

    virtual void onSelectedTreeChanged (juce::ValueTree selected) = 0;

private:
    class TreeListener;
    std::unique_ptr<TreeListener> treeListener;

    JUCE_DECLARE_NON_COPYABLE (SelectionModelListener)
};
} // namespace exl
