namespace vdm
{
const juce::Identifier SelectionModel::ModeKey{ "selection_mode" };
const juce::Identifier SelectionModel::IsSelectedKey{ "is_selected" };
const juce::Identifier SelectionModel::RequestSelectionKey{ "request_selection" };

SelectionModel::~SelectionModel() { root.removeListener (this); }

void SelectionModel::setValueTree (juce::ValueTree tree)
{
    root.removeListener (this);
    root = std::move (tree);
    root.addListener (this);
}

void SelectionModel::addSelectionHandler (const juce::String& mode, ISelectionHandler* newHandler)
{
    handlers[mode] = newHandler;
}

void SelectionModel::valueTreePropertyChanged (juce::ValueTree& node, const juce::Identifier& property)
{
    if (property == RequestSelectionKey && node.hasProperty (RequestSelectionKey) && handler != nullptr)
    {
        // The handler changes the flags, which changes the list while it runs.
        auto copy = selected;
        handler->selectTree (std::span<juce::ValueTree> (copy), node);
        node.removeProperty (RequestSelectionKey, nullptr);
    }
    if (property == IsSelectedKey)
    {
        if (static_cast<bool> (node.getProperty (IsSelectedKey)))
            selected.push_back (node);
        else if (const auto found = std::find (selected.begin(), selected.end(), node);
                 found != selected.end())
            selected.erase (found);
    }
    if (property == ModeKey)
        if (const auto found = handlers.find (node.getProperty (ModeKey).toString()); found != handlers.end())
            handler = found->second;
}
} // namespace vdm
