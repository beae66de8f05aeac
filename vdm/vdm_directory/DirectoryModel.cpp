namespace vdm
{
const juce::Identifier DirectoryModel::TypeKey{ "file_type" };
const juce::Identifier DirectoryModel::DirOpenKey{ "dir_open" };

void DirectoryModel::initialize (const juce::File& root, const juce::FileFilter* filter)
{
    if (! tree.rootNode.isValid())
    {
        tree.rootPath = root.getFullPathName();
        tree.rootNode = juce::ValueTree (juce::Identifier (root.getFileName()));
    }
    handleAddUpdate (tree.rootNode, root);

    // Hidden entries are listed too: the type flags leave out ignoreHiddenFiles.
    for (const auto& entry : root.findChildFiles (juce::File::findFilesAndDirectories, true, "*",
                                                  juce::File::FollowSymlinks::yes))
    {
        if (filter != nullptr)
        {
            const auto suitable =
                entry.isDirectory() ? filter->isDirectorySuitable (entry) : filter->isFileSuitable (entry);
            if (! suitable)
                continue;
        }
        handleAddUpdate (tree.internalGetValueTreeAt (entry, true), entry);
    }
}

void DirectoryModel::handleAddUpdate (juce::ValueTree node, juce::File file) const
{
    node.setProperty (TypeKey, file.isDirectory() ? folderType : otherType, nullptr);
    for (auto* handler : handlers)
        handler->onAdd (node, file);
}

void DirectoryModel::handleModifyUpdate (juce::ValueTree node, juce::File file) const
{
    for (auto* handler : handlers)
        handler->onModify (node, file);
}

bool DirectoryModel::IsDirOpen (juce::ValueTree node)
{
    return static_cast<int> (node.getProperty (TypeKey)) == folderType &&
           static_cast<bool> (node.getProperty (DirOpenKey));
}

void DirectoryModel::SetDirOpen (juce::ValueTree node, bool open)
{
    if (static_cast<int> (node.getProperty (TypeKey)) == folderType)
        node.setProperty (DirOpenKey, open, nullptr);
}

void DirectoryModel::ToggleIsDirOpen (juce::ValueTree node)
{
    SetDirOpen (node, ! static_cast<bool> (node.getProperty (DirOpenKey)));
}
} // namespace vdm
