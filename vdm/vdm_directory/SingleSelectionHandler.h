#pragma once

#include "SelectionModel.h"

namespace vdm
{
// One node at a time: clears every selected node, then selects the one asked for. Message thread.
class SingleSelectionHandler final : public SelectionModel::ISelectionHandler
{
public:
    void selectTree (const std::span<juce::ValueTree>& selected, juce::ValueTree requested) override;
};
} // namespace vdm
