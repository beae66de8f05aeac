namespace exl
{
const juce::Identifier SelectionModel::Selected{ "SelectionModel_Selected" };
const juce::Identifier SelectionModel::RequestSelection{ "SelectionModel_RequestSelection" };

class SelectionModel::Impl : public SelectionModelListener, private juce::ValueTree::Listener
{
public:
    explicit Impl (juce::ValueTree rootToWatch) : SelectionModelListener (rootToWatch), root (rootToWatch)
    {
        root.addListener (this);
    }

    ~Impl() override { root.removeListener (this); }

    void onSelectedTreeChanged (juce::ValueTree tree) override { selected = tree; }

    juce::ValueTree selected;

private:
    void valueTreePropertyChanged (juce::ValueTree& tree, const juce::Identifier& property) override
    {
        if (property != RequestSelection || ! static_cast<bool> (tree.getProperty (property)))
            return;
        tree.setProperty (RequestSelection, false, nullptr);
        if (selected.isValid())
            selected.setProperty (Selected, false, nullptr);
        tree.setProperty (Selected, true, nullptr);
    }

    juce::ValueTree root;
};

SelectionModel::SelectionModel (juce::ValueTree root) : impl (std::make_unique<Impl> (std::move (root))) {}

SelectionModel::~SelectionModel() = default;

juce::ValueTree SelectionModel::getSelected() const { return impl->selected; }
} // namespace exl
