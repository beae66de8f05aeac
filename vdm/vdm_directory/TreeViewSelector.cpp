namespace vdm
{
bool Cursor::sibling (int offset)
{
    auto parent = node.getParent();
    if (! node.isValid() || ! parent.isValid())
        return false;
    auto next = parent.getChild (parent.indexOf (node) + offset);
    if (! next.isValid())
        return false;
    node = next;
    return true;
}

class TreeViewSelector::Impl final : public SelectionModelListener
{
public:
    void onTreeSelectionChanged (juce::ValueTree node) override
    {
        if (static_cast<bool> (node[SelectionModel::IsSelectedKey]))
            cursor.node = node;
    }
    void selectCurrent() const
    {
        auto node = cursor.node; // a handle to the same shared node
        if (node.isValid())
            node.setProperty (SelectionModel::RequestSelectionKey, true, nullptr);
    }
    Cursor cursor;
};

namespace
{
    juce::ValueTree firstSelected (juce::ValueTree node)
    {
        if (static_cast<bool> (node[SelectionModel::IsSelectedKey]))
            return node;
        for (auto child : node)
            if (auto found = firstSelected (child); found.isValid())
                return found;
        return {};
    }

    bool isOpenFolderWithChildren (const juce::ValueTree& node)
    {
        return DirectoryModel::IsDirOpen (node) && node.getNumChildren() > 0;
    }
} // namespace

TreeViewSelector::TreeViewSelector() : impl (std::make_unique<Impl>()) {}
TreeViewSelector::~TreeViewSelector() = default;

juce::ValueTree TreeViewSelector::getCurrent() const { return impl->cursor.node; }

void TreeViewSelector::setValueTree (juce::ValueTree root)
{
    impl->setSelectionModelValueTree (root);
    if (auto selected = firstSelected (root); selected.isValid())
        impl->cursor.node = selected;
    else
    {
        impl->cursor.node = root;
        impl->selectCurrent();
    }
}

void TreeViewSelector::keyUp()
{
    auto& cursor = impl->cursor;
    if (cursor.sibling (-1))
    {
        // Down to the last visible node of an open folder; empty open folders are selected themselves.
        while (isOpenFolderWithChildren (cursor.node))
            cursor.node = cursor.node.getChild (cursor.node.getNumChildren() - 1);
        impl->selectCurrent();
    }
    else if (auto parent = cursor.node.getParent(); parent.isValid())
    {
        cursor.node = parent;
        impl->selectCurrent();
    }
}

void TreeViewSelector::keyDown()
{
    auto& cursor = impl->cursor;
    if (cursor.node.isValid())
    {
        if (DirectoryModel::IsDirOpen (cursor.node))
        {
            if (cursor.node.getNumChildren() > 0)
                cursor.node = cursor.node.getChild (0);
            else
                cursor.sibling (1);
        }
        else if (! cursor.sibling (1))
        {
            while (cursor.node.getParent().isValid())
            {
                cursor.node = cursor.node.getParent();
                if (cursor.sibling (1))
                    break;
            }
        }
    }
    impl->selectCurrent();
}

void TreeViewSelector::keyLeft()
{
    auto& cursor = impl->cursor;
    if (DirectoryModel::IsDirOpen (cursor.node))
        DirectoryModel::SetDirOpen (cursor.node, false);
    else if (auto parent = cursor.node.getParent(); parent.isValid())
    {
        cursor.node = parent;
        impl->selectCurrent();
    }
}

void TreeViewSelector::keyRight()
{
    auto& cursor = impl->cursor;
    const auto isFolder =
        static_cast<int> (cursor.node[DirectoryModel::TypeKey]) == DirectoryModel::folderType;
    if (isFolder && ! DirectoryModel::IsDirOpen (cursor.node))
        DirectoryModel::SetDirOpen (cursor.node, true);
    else if (isFolder)
    {
        if (cursor.node.getNumChildren() > 0)
        {
            cursor.node = cursor.node.getChild (0);
            impl->selectCurrent();
        }
    }
    else if (cursor.sibling (1))
        impl->selectCurrent();
}
} // namespace vdm
