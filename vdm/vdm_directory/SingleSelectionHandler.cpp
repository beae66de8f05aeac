namespace vdm
{
void SingleSelectionHandler::selectTree (const std::span<juce::ValueTree>& selected,
                                         juce::ValueTree requested)
{
    for (auto& node : selected)
        node.setProperty (SelectionModel::IsSelectedKey, false, nullptr);
    requested.setProperty (SelectionModel::IsSelectedKey, true, nullptr);
}
} // namespace vdm
