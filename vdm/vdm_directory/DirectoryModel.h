#pragma once

#include "DirectoryTree.h"

namespace vdm
{
// Mirrors a folder as a value tree from a recursive scan. Message thread.
class DirectoryModel
{
public:
    static const juce::Identifier TypeKey;    // "file_type": 1 for an existing folder, 2 for anything else
    static const juce::Identifier DirOpenKey; // "dir_open": the folder is shown expanded

    static constexpr int folderType = 1;
    static constexpr int otherType = 2;

    // Fills in a node for the file it stands for; called in registration order.
    class IUpdateHandler
    {
    public:
        virtual ~IUpdateHandler() = default;
        virtual void onAdd (juce::ValueTree node, juce::File file) = 0;
        virtual void onModify (juce::ValueTree node, juce::File file) = 0;
    };

    // Handlers are not owned; add them before initialize.
    void addUpdateHandler (IUpdateHandler* handler) { handlers.push_back (handler); }

    // Scans the root recursively (symbolic links followed); with a filter, folders and files it
    // rejects are left out.
    void initialize (const juce::File& root, const juce::FileFilter* filter);
    void handleAddUpdate (juce::ValueTree node, juce::File file) const;
    void handleModifyUpdate (juce::ValueTree node, juce::File file) const;

    [[nodiscard]] juce::ValueTree getRootNode() const { return tree.rootNode; }
    [[nodiscard]] const juce::String& getRootPath() const noexcept { return tree.rootPath; }
    [[nodiscard]] const DirectoryTree& getTree() const noexcept { return tree; }

    static bool IsDirOpen (juce::ValueTree node);
    static void SetDirOpen (juce::ValueTree node, bool open);
    static void ToggleIsDirOpen (juce::ValueTree node);

private:
    DirectoryTree tree;
    std::vector<IUpdateHandler*> handlers;
};
} // namespace vdm
