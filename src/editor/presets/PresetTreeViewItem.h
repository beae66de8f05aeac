#pragma once

#include <vdm_ui/vdm_ui.h>

// One row of the preset popup: a folder's arrow in the square at its left end and the node's name
// beside it. A click on the arrow opens or closes the folder; a click elsewhere asks for the node to be
// selected. The highlight starts off and follows later selection changes only. Message thread.
class PresetTreeViewItem : public juce::Component,
                           public vdm::TreeViewItemListener,
                           private juce::ValueTree::Listener
{
public:
    explicit PresetTreeViewItem (juce::ValueTree node);
    ~PresetTreeViewItem() override;

    void paint (juce::Graphics& g) override;
    void mouseEnter (const juce::MouseEvent& event) override;
    void mouseExit (const juce::MouseEvent& event) override;
    void mouseUp (const juce::MouseEvent& event) override;
    void mouseDoubleClick (const juce::MouseEvent& event) override;

    void onItemSelectedChanged (bool selected) override;
    void onItemIsDirOpenChanged (bool open) override;

    [[nodiscard]] const juce::ValueTree& getNode() const noexcept { return node; }
    [[nodiscard]] bool isSelected() const noexcept { return selected; }

private:
    [[nodiscard]] bool isFolder() const;

    juce::ValueTree node;
    bool selected = false;

    JUCE_DECLARE_NON_COPYABLE (PresetTreeViewItem)
};
