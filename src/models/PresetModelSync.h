#pragma once

#include <exl_processor/exl_processor.h>
#include <vdm_directory/vdm_directory.h>

namespace cvl
{
// Carries out what clients write into the preset tree: loads a file node when it becomes selected,
// saves the state on "request_save_to_path", resets every parameter on "request_load_init_preset".
// Message thread.
class PresetModelSync final : public juce::ValueTree::Listener, public vdm::SelectionModelListener
{
public:
    PresetModelSync (juce::ValueTree root, exl::PluginProcessor& processor);
    ~PresetModelSync() override;

    void valueTreePropertyChanged (juce::ValueTree& node, const juce::Identifier& property) override;
    void valueTreeChildAdded (juce::ValueTree& parent, juce::ValueTree& child) override;
    void onTreeSelectionChanged (juce::ValueTree node) override;

private:
    void save (juce::ValueTree& node);
    void loadInit (juce::ValueTree& node);
    void selectIfSaved (juce::ValueTree& node);

    juce::ValueTree root;
    exl::PluginProcessor& processor;
    juce::String savePath;
};
} // namespace cvl
