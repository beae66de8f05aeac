#pragma once

namespace vdm
{
// A root folder and the value tree that mirrors it: one node per folder or file, whose type is the
// entry's name. Message thread.
struct DirectoryTree
{
    juce::String rootPath;
    juce::ValueTree rootNode;

    // The node of a file or folder at or below the root; the root node for the root itself and for
    // anything outside it. With create, missing nodes on the way are appended bare; without, a missing
    // node gives an invalid tree.
    [[nodiscard]] juce::ValueTree internalGetValueTreeAt (const juce::File& file, bool create) const;
};
} // namespace vdm
