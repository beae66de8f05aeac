#pragma once

namespace vdm
{
// Turns "request_selection" properties on the nodes of a tree into "is_selected" flags, through the
// handler named by the root's "selection_mode". Message thread.
class SelectionModel final : public juce::ValueTree::Listener
{
public:
    static const juce::Identifier ModeKey;             // "selection_mode"
    static const juce::Identifier IsSelectedKey;       // "is_selected"
    static const juce::Identifier RequestSelectionKey; // "request_selection"

    class ISelectionHandler
    {
    public:
        virtual ~ISelectionHandler() = default;
        // Given the nodes selected so far and the node asked for, sets the flags.
        virtual void selectTree (const std::span<juce::ValueTree>& selected, juce::ValueTree requested) = 0;
    };

    SelectionModel() = default;
    ~SelectionModel() override;

    void setValueTree (juce::ValueTree tree);
    // Handlers are not owned; register them before the mode is set.
    void addSelectionHandler (const juce::String& mode, ISelectionHandler* handler);

    void valueTreePropertyChanged (juce::ValueTree& node, const juce::Identifier& property) override;

    [[nodiscard]] const std::vector<juce::ValueTree>& getSelectedNodes() const noexcept { return selected; }

private:
    juce::ValueTree root;
    std::map<juce::String, ISelectionHandler*> handlers;
    ISelectionHandler* handler = nullptr;
    std::vector<juce::ValueTree> selected;

    JUCE_DECLARE_NON_COPYABLE (SelectionModel)
};
} // namespace vdm
