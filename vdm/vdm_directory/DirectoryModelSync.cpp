namespace vdm
{
DirectoryModelSync::DirectoryModelSync() = default;

DirectoryModelSync::~DirectoryModelSync()
{
    for (auto& entry : entries)
        entry.watcher.reset();
    masterReference.clear();
}

void DirectoryModelSync::syncModel (DirectoryModel& model, const juce::FileFilter* filter)
{
    for (const auto& entry : entries)
        if (entry.model == &model)
            return;

    // Made here, on the message thread, after the weak-reference master exists.
    if (self.get() == nullptr)
        self = this;
    const auto watch = entries.size();
    const juce::File root (model.getRootPath());
    entries.push_back ({ &model, filter, nullptr });
    // The watcher thread only copies the weak reference and the event into a message.
    entries.back().watcher = std::make_unique<FolderWatcher> (
        root,
        [weak = self, watch, root] (const std::string& folder, const std::string& name,
                                    FolderWatcher::Action action, const std::string& oldName)
        {
            const juce::File file (juce::String (folder + name));
            if (file != root && ! file.isAChildOf (root))
                return;
            juce::MessageManager::callAsync (
                [weak, watch, folder, name, action, oldName]
                {
                    if (auto* sync = weak.get())
                        sync->messageThreadHandleFileAction (watch, folder, name, action, oldName);
                });
        });
}

void DirectoryModelSync::messageThreadHandleFileAction (std::size_t watch, const std::string& folder,
                                                        const std::string& name, FolderWatcher::Action action,
                                                        const std::string& oldName)
{
    if (watch >= entries.size())
        return;
    const auto& entry = entries[watch];
    const juce::File file (juce::String (folder + name));
    if (entry.filter != nullptr)
    {
        if (file.isDirectory() && ! entry.filter->isDirectorySuitable (file))
            return;
        if (! entry.filter->isFileSuitable (file))
            return;
    }
    switch (action)
    {
        case FolderWatcher::Action::Add:
            applyAdd (entry, file);
            break;
        case FolderWatcher::Action::Delete:
            applyDelete (entry, file);
            break;
        case FolderWatcher::Action::Modified:
            entry.model->handleModifyUpdate (entry.model->getTree().internalGetValueTreeAt (file, true),
                                             file);
            break;
        case FolderWatcher::Action::Moved:
            applyDelete (entry, juce::File (juce::String (folder + oldName)));
            applyAdd (entry, file);
            break;
    }
}

void DirectoryModelSync::applyAdd (const Entry& entry, const juce::File& file) const
{
    entry.model->handleAddUpdate (entry.model->getTree().internalGetValueTreeAt (file, true), file);
}

void DirectoryModelSync::applyDelete (const Entry& entry, const juce::File& file) const
{
    auto node = entry.model->getTree().internalGetValueTreeAt (file, false);
    auto parent = node.getParent();
    if (node.isValid() && parent.isValid())
        parent.removeChild (node, nullptr);
}
} // namespace vdm
