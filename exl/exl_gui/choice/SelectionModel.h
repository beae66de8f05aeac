#pragma once

#include "SelectionModelListener.h"

namespace exl
{
// Single selection among the trees below a root, driven by request flags: setting a tree's
// RequestSelection to true clears the flag, deselects the previous tree and selects this one.
// Requesting the selected tree again deselects and reselects it, which notifies every follower.
// Message thread.
class SelectionModel
{
public:
    static const juce::Identifier Selected;
    static const juce::Identifier RequestSelection;

    explicit SelectionModel (juce::ValueTree root);
    ~SelectionModel();

    [[nodiscard]] juce::ValueTree getSelected() const;

    static void requestSelection (juce::ValueTree tree)
    {
        tree.setProperty (RequestSelection, true, nullptr);
    }

private:
    class Impl;
    std::unique_ptr<Impl> impl;

    JUCE_DECLARE_NON_COPYABLE (SelectionModel)
};
} // namespace exl
