#include "PresetModel.h"

namespace cvl
{
const juce::Identifier PresetModel::CurrentPresetName{ "current_preset_name" };
const juce::Identifier PresetModel::RequestWriteToPath{ "request_save_to_path" };
const juce::Identifier PresetModel::RequestLoadInit{ "request_load_init_preset" };
const juce::String PresetModel::PresetFileExtension{ ".corvane" };

juce::File PresetModel::getDefaultFactoryFolder()
{
    return juce::File ("/usr/share/vst3/presets/HalvikAudio/Corvane/Presets");
}

juce::File PresetModel::getDefaultUserFolder()
{
    return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
        .getChildFile ("vst3/presets/HalvikAudio/Corvane/User Presets");
}

PresetModel::PresetModel (const juce::File& factoryFolder, const juce::File& userFolder)
    : juce::FileFilter ("Corvane presets")
{
    factory.addUpdateHandler (&names);
    factory.addUpdateHandler (&paths);
    factory.initialize (factoryFolder, this);
    sync.syncModel (factory, nullptr);

    if (userFolder.getFullPathName() != factoryFolder.getFullPathName())
    {
        if (userFolder.getFullPathName().isEmpty() || ! userFolder.exists()) [[maybe_unused]]
            const auto created = userFolder.createDirectory();
        user.addUpdateHandler (&names);
        user.addUpdateHandler (&paths);
        user.initialize (userFolder, this);
        sync.syncModel (user, nullptr);
        factory.getRootNode().appendChild (user.getRootNode(), nullptr);
    }

    auto root = getRoot();
    selection.setValueTree (root);
    selection.addSelectionHandler ("single", &single);
    root.setProperty (vdm::SelectionModel::ModeKey, "single", nullptr);
    root.setProperty (CurrentPresetName, "init", nullptr);
    vdm::DirectoryModel::SetDirOpen (root, true);
    root.setProperty (vdm::SelectionModel::IsSelectedKey, true, nullptr);
}

bool PresetModel::isFileSuitable (const juce::File& file) const
{
    return file.getFileExtension() == PresetFileExtension;
}

bool PresetModel::isDirectorySuitable (const juce::File& folder) const
{
    auto suitable = false;
    for (const auto& entry : folder.findChildFiles (juce::File::findFilesAndDirectories, false, "*",
                                                    juce::File::FollowSymlinks::yes))
        suitable = (entry.isDirectory() ? isDirectorySuitable (entry) : isFileSuitable (entry)) || suitable;
    return suitable;
}
} // namespace cvl
