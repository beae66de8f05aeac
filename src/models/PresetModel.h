#pragma once

#include <vdm_directory/vdm_directory.h>

namespace cvl
{
// The preset tree: the factory folder's tree with the user folder's tree as its root's last child,
// kept in step with the disk, with single selection. Message thread.
class PresetModel final : public juce::FileFilter
{
public:
    static const juce::Identifier CurrentPresetName;  // "current_preset_name"
    static const juce::Identifier RequestWriteToPath; // "request_save_to_path"
    static const juce::Identifier RequestLoadInit;    // "request_load_init_preset"
    static const juce::String PresetFileExtension;    // ".corvane"

    [[nodiscard]] static juce::File getDefaultFactoryFolder();
    [[nodiscard]] static juce::File getDefaultUserFolder();

    // Creates the user folder when it is missing.
    PresetModel (const juce::File& factoryFolder, const juce::File& userFolder);

    [[nodiscard]] juce::ValueTree getRoot() const { return factory.getRootNode(); }

    bool isFileSuitable (const juce::File& file) const override;
    // True when the folder holds a preset file at any depth.
    bool isDirectorySuitable (const juce::File& folder) const override;

private:
    vdm::DirectoryModel factory;
    vdm::DirectoryModel user;
    vdm::DirectoryModelSync sync;
    vdm::NameUpdateHandler names;
    vdm::PathUpdateHandler paths;
    vdm::SelectionModel selection;
    vdm::SingleSelectionHandler single;
};
} // namespace cvl
