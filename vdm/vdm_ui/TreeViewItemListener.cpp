namespace vdm
{
class TreeViewItemListener::Impl final : public juce::ValueTree::Listener
{
public:
    Impl (TreeViewItemListener& o, juce::ValueTree n) : owner (o), node (std::move (n))
    {
        node.addListener (this);
    }
    ~Impl() override { node.removeListener (this); }

    void valueTreePropertyChanged (juce::ValueTree& changed, const juce::Identifier& property) override
    {
        if (changed != node)
            return;
        if (property == SelectionModel::IsSelectedKey)
            owner.onItemSelectedChanged (static_cast<bool> (node[property]));
        else if (property == DirectoryModel::DirOpenKey)
            owner.onItemIsDirOpenChanged (static_cast<bool> (node[property]));
    }

private:
    TreeViewItemListener& owner;
    juce::ValueTree node;
};

TreeViewItemListener::TreeViewItemListener (juce::ValueTree node)
    : impl (std::make_unique<Impl> (*this, std::move (node)))
{
}

TreeViewItemListener::~TreeViewItemListener() = default;
} // namespace vdm
