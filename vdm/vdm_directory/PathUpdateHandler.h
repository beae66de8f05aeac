#pragma once

#include "DirectoryModel.h"

namespace vdm
{
// Gives every added node "path": the full path name. Message thread.
class PathUpdateHandler final : public DirectoryModel::IUpdateHandler
{
public:
    static const juce::Identifier Key;

    void onAdd (juce::ValueTree node, juce::File file) override;
    void onModify (juce::ValueTree, juce::File) override {}
};
} // namespace vdm
