namespace exl
{
class SelectionModelListener::TreeListener : public juce::ValueTree::Listener
{
public:
    TreeListener (SelectionModelListener& ownerToCall, juce::ValueTree rootToWatch)
        : owner (ownerToCall), root (std::move (rootToWatch))
    {
        root.addListener (this);
    }

    ~TreeListener() override { root.removeListener (this); }

    void valueTreePropertyChanged (juce::ValueTree& tree, const juce::Identifier& property) override
    {
        if (property == SelectionModel::Selected && static_cast<bool> (tree.getProperty (property)))
            owner.onSelectedTreeChanged (tree);
    }

private:
    SelectionModelListener& owner;
    juce::ValueTree root;
};

SelectionModelListener::SelectionModelListener (juce::ValueTree root)
    : treeListener (std::make_unique<TreeListener> (*this, std::move (root)))
{
}

SelectionModelListener::~SelectionModelListener() = default;
} // namespace exl
