namespace vdm
{
namespace
{
    template <typename Function>
    void traverseApply (juce::ValueTree node, Function&& function)
    {
        function (node);
        for (auto child : node)
            traverseApply (child, function);
    }
} // namespace

class SelectionModelListener::Impl final : public juce::ValueTree::Listener
{
public:
    explicit Impl (SelectionModelListener& o) : owner (o) {}
    ~Impl() override { tree.removeListener (this); }

    void attach (juce::ValueTree newTree)
    {
        tree.removeListener (this);
        tree = std::move (newTree);
        tree.addListener (this);
    }

    void valueTreePropertyChanged (juce::ValueTree& node, const juce::Identifier& property) override
    {
        if (property == SelectionModel::IsSelectedKey)
            owner.onTreeSelectionChanged (node);
    }

    void valueTreeChildRemoved (juce::ValueTree&, juce::ValueTree& child, int) override
    {
        traverseApply (child,
                       [this] (juce::ValueTree node)
                       {
                           if (static_cast<bool> (node.getProperty (SelectionModel::IsSelectedKey)))
                           {
                               node.setProperty (SelectionModel::IsSelectedKey, false, nullptr);
                               owner.onTreeSelectionChanged (node);
                           }
                       });
    }

    juce::ValueTree tree;

private:
    SelectionModelListener& owner;
};

SelectionModelListener::SelectionModelListener() : impl (std::make_unique<Impl> (*this)) {}
SelectionModelListener::~SelectionModelListener() = default;

void SelectionModelListener::setSelectionModelValueTree (juce::ValueTree tree)
{
    impl->attach (tree);
    traverseApply (tree,
                   [this] (juce::ValueTree node)
                   {
                       if (static_cast<bool> (node.getProperty (SelectionModel::IsSelectedKey)))
                           onTreeSelectionChanged (node);
                   });
}
} // namespace vdm
