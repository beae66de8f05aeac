#pragma once

#include "TreeViewSelector.h"

namespace vdm
{
// Arrow keys on a component move the selection of a folder tree. Without allowRootSelection the
// root is stepped over, so it never stays selected through the keyboard. Message thread.
class TreeViewSelectorKeyListener final : public juce::KeyListener
{
public:
    explicit TreeViewSelectorKeyListener (bool allowRoot = false) : allowRootSelection (allowRoot) {}

    void setValueTree (juce::ValueTree root) { selector.setValueTree (std::move (root)); }
    // True for the four arrow keys, which it handles; false for every other key.
    bool keyPressed (const juce::KeyPress& key, juce::Component* origin) override;

private:
    bool allowRootSelection;
    TreeViewSelector selector;
};
} // namespace vdm
