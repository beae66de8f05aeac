namespace vdm
{
void TreeView::Node::initialize (juce::ValueTree node, const RowFactory& factory)
{
    tree = std::move (node);
    children.clear();
    row = factory (tree);
    if (row == nullptr)
        return;
    children.resize (static_cast<std::size_t> (tree.getNumChildren()));
    for (int i = 0; i < tree.getNumChildren(); ++i)
        children[static_cast<std::size_t> (i)].initialize (tree.getChild (i), factory);
}

void TreeView::Node::setBounds (juce::Rectangle<int>& rect, int indent, int gap, int rowHeight)
{
    if (row != nullptr)
    {
        const auto height = std::min (rect.getHeight(), rowHeight);
        row->setBounds (rect.getX(), rect.getY(), rect.getWidth(), height);
        rect.removeFromTop (height);
    }
    rect.removeFromTop (std::min (rect.getHeight(), gap));

    if (DirectoryModel::IsDirOpen (tree))
    {
        // Only what was taken goes back, so a rectangle narrower than the indent keeps its width.
        const auto taken = std::min (rect.getWidth(), indent);
        rect.removeFromLeft (taken);
        for (auto& child : children)
            child.setBounds (rect, indent, gap, rowHeight);
        rect.setLeft (rect.getX() - taken);
    }
    else
    {
        for (auto& child : children)
        {
            juce::Rectangle<int> empty;
            child.setBounds (empty, indent, gap, rowHeight);
        }
    }
}

int TreeView::Node::getHeight (int rowHeight, int gap) const
{
    auto height = rowHeight + gap;
    if (DirectoryModel::IsDirOpen (tree))
        for (const auto& child : children)
            height += child.getHeight (rowHeight, gap);
    return height;
}

int TreeView::getContentHeight() const
{
    if (showRoot || DirectoryModel::IsDirOpen (root.tree))
        return root.getHeight (rowHeight, gap);
    auto height = rowHeight + gap;
    for (const auto& child : root.children)
        height += child.getHeight (rowHeight, gap);
    return height;
}

TreeView::TreeView() = default;

TreeView::~TreeView() { listened.removeListener (this); }

std::unique_ptr<juce::Component> TreeView::makeRow (juce::ValueTree node)
{
    auto row = createTreeViewItem (std::move (node));
    if (row != nullptr)
        addAndMakeVisible (*row);
    return row;
}

void TreeView::setValueTree (juce::ValueTree tree)
{
    listened.removeListener (this);
    root.initialize (tree, [this] (juce::ValueTree node) { return makeRow (std::move (node)); });
    listened = tree;
    listened.addListener (this);
    resized();
}

TreeView::Node* TreeView::getNode (const juce::ValueTree& tree)
{
    if (! tree.isValid() || ! root.tree.isValid())
        return nullptr;
    // Types name files and folders, unique among siblings, so the path of types finds the node.
    std::vector<juce::Identifier> types;
    for (auto node = tree; node.isValid(); node = node.getParent())
        types.push_back (node.getType());
    if (types.back() != root.tree.getType())
        return nullptr;

    auto* node = &root;
    for (auto type = std::next (types.rbegin()); type != types.rend(); ++type)
    {
        const auto found =
            std::find_if (node->children.begin(), node->children.end(),
                          [&type] (const Node& child) { return child.tree.getType() == *type; });
        if (found == node->children.end())
            return nullptr;
        node = &*found;
    }
    return node;
}

void TreeView::resized()
{
    auto rect = getLocalBounds();
    if (showRoot)
    {
        root.setBounds (rect, indent, gap, rowHeight);
        return;
    }
    if (root.row != nullptr)
        root.row->setBounds (0, 0, 0, 0);
    for (auto& child : root.children)
        child.setBounds (rect, indent, gap, rowHeight);
}

void TreeView::valueTreeChildAdded (juce::ValueTree& parent, juce::ValueTree& child)
{
    // A parent without a row shows no children, so a child added below it stays without a node too.
    if (auto* node = getNode (parent); node != nullptr && node->row != nullptr)
    {
        Node added;
        added.tree = child;
        added.row = makeRow (child);
        const auto index = std::clamp (parent.indexOf (child), 0, static_cast<int> (node->children.size()));
        node->children.insert (node->children.begin() + index, std::move (added));
    }
    resized();
}

void TreeView::valueTreeChildRemoved (juce::ValueTree& parent, juce::ValueTree&, int index)
{
    if (auto* node = getNode (parent);
        node != nullptr && index >= 0 && index < static_cast<int> (node->children.size()))
        node->children.erase (node->children.begin() + index);
    resized();
}

void TreeView::valueTreeChildOrderChanged (juce::ValueTree& parent, int oldIndex, int newIndex)
{
    if (auto* node = getNode (parent); node != nullptr)
    {
        auto& children = node->children;
        const auto size = static_cast<int> (children.size());
        if (oldIndex >= 0 && oldIndex < size && newIndex >= 0 && newIndex < size && oldIndex != newIndex)
        {
            auto moved = std::move (children[static_cast<std::size_t> (oldIndex)]);
            children.erase (children.begin() + oldIndex);
            children.insert (children.begin() + newIndex, std::move (moved));
        }
    }
    resized();
}

void TreeView::valueTreePropertyChanged (juce::ValueTree&, const juce::Identifier& property)
{
    if (property == DirectoryModel::DirOpenKey)
        resized();
}
} // namespace vdm
