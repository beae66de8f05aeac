namespace vdm
{
juce::ValueTree DirectoryTree::internalGetValueTreeAt (const juce::File& file, bool create) const
{
    if (! rootNode.isValid())
        return {};
    const juce::File root (rootPath);
    if (file == root || ! file.isAChildOf (root))
        return rootNode;

    juce::StringArray components;
    for (auto current = file; current != root && ! current.isRoot(); current = current.getParentDirectory())
        components.insert (0, current.getFileName());

    auto node = rootNode;
    for (const auto& component : components)
    {
        const juce::Identifier type (component);
        auto child = node.getChildWithName (type);
        if (! child.isValid())
        {
            if (! create)
                return {};
            child = juce::ValueTree (type);
            node.appendChild (child, nullptr);
        }
        node = child;
    }
    return node;
}
} // namespace vdm
