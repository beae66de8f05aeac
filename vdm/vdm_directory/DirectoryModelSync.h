#pragma once

#include "DirectoryModel.h"
#include "FolderWatcher.h"

namespace vdm
{
// Keeps directory models in step with the disk: each model's root is watched, and every change is
// posted from the watcher thread to the message thread, where it is applied to the tree.
class DirectoryModelSync
{
public:
    DirectoryModelSync();
    // Stops the watchers; changes still queued on the message thread are then dropped.
    ~DirectoryModelSync();

    // Message thread. A model already synced is left as it is; a null filter applies every change.
    void syncModel (DirectoryModel& model, const juce::FileFilter* filter);

    // Message thread: applies one change to the model of the watch.
    void messageThreadHandleFileAction (std::size_t watch, const std::string& folder, const std::string& name,
                                        FolderWatcher::Action action, const std::string& oldName);

private:
    struct Entry
    {
        DirectoryModel* model;
        const juce::FileFilter* filter;
        std::unique_ptr<FolderWatcher> watcher;
    };
    void applyDelete (const Entry& entry, const juce::File& file) const;
    void applyAdd (const Entry& entry, const juce::File& file) const;

    std::vector<Entry> entries;
    juce::WeakReference<DirectoryModelSync> self;

    JUCE_DECLARE_WEAK_REFERENCEABLE (DirectoryModelSync)
    JUCE_DECLARE_NON_COPYABLE (DirectoryModelSync)
};
} // namespace vdm
