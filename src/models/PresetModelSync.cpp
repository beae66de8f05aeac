#include "PresetModelSync.h"

#include "PresetModel.h"

namespace cvl
{
namespace
{
    constexpr std::size_t saveBufferBytes = 32768;
}

PresetModelSync::PresetModelSync (juce::ValueTree r, exl::PluginProcessor& p)
    : root (std::move (r)), processor (p)
{
    root.addListener (this);
    setSelectionModelValueTree (root);
}

PresetModelSync::~PresetModelSync() { root.removeListener (this); }

void PresetModelSync::valueTreePropertyChanged (juce::ValueTree& node, const juce::Identifier& property)
{
    if (property == PresetModel::RequestWriteToPath)
        save (node);
    else if (property == PresetModel::RequestLoadInit)
        loadInit (node);
    else if (property == vdm::PathUpdateHandler::Key)
        selectIfSaved (node);
}

void PresetModelSync::valueTreeChildAdded (juce::ValueTree&, juce::ValueTree& child)
{
    selectIfSaved (child);
}

void PresetModelSync::onTreeSelectionChanged (juce::ValueTree node)
{
    if (static_cast<int> (node[vdm::DirectoryModel::TypeKey]) == vdm::DirectoryModel::folderType)
        return;
    if (! static_cast<bool> (node[vdm::SelectionModel::IsSelectedKey]))
        return;
    const auto path = node[vdm::PathUpdateHandler::Key].toString();
    if (path.isEmpty() || ! juce::File (path).existsAsFile())
        return;
    juce::MemoryBlock block;
    if (! juce::File (path).loadFileAsData (block))
        return;
    processor.setStateInformation (block.getData(), static_cast<int> (block.getSize()));
    root.setProperty (PresetModel::CurrentPresetName, juce::File (path).getFileNameWithoutExtension(),
                      nullptr);
}

void PresetModelSync::save (juce::ValueTree& node)
{
    const auto path = node[PresetModel::RequestWriteToPath].toString();
    if (path.isNotEmpty())
    {
        const juce::File file (path);
        file.deleteFile();
        auto stream = std::make_unique<juce::FileOutputStream> (file, saveBufferBytes);
        if (! stream->openedOk())
        {
            stream.reset();
            juce::AlertWindow::showAsync (juce::MessageBoxOptions()
                                              .withIconType (juce::MessageBoxIconType::WarningIcon)
                                              .withTitle ("Failed to save preset.")
                                              .withMessage ("Failed to save preset to path " + path)
                                              .withButton (TRANS ("OK")),
                                          nullptr);
        }
        else
        {
            juce::MemoryBlock state;
            processor.getStateInformation (state);
            stream->write (state.getData(), state.getSize());
            root.setProperty (PresetModel::CurrentPresetName, file.getFileNameWithoutExtension(), nullptr);
            savePath = file.getFullPathName();
            stream.reset();
        }
    }
    node.removeProperty (PresetModel::RequestWriteToPath, nullptr);
}

void PresetModelSync::loadInit (juce::ValueTree& node)
{
    for (const auto& id : processor.getParameterIdList())
        if (auto* parameter = processor.findParameter (id))
        {
            const auto value = parameter->getDefaultValue();
            parameter->beginChangeGesture();
            parameter->setValue (value);
            parameter->sendValueChangedMessageToListeners (value);
            parameter->endChangeGesture();
        }
    root.setProperty (PresetModel::CurrentPresetName, "init", nullptr);
    node.removeProperty (PresetModel::RequestLoadInit, nullptr);
}

void PresetModelSync::selectIfSaved (juce::ValueTree& node)
{
    if (savePath.isEmpty() || ! juce::File (savePath).existsAsFile())
        return;
    if (node[vdm::PathUpdateHandler::Key].toString() != savePath)
        return;
    savePath.clear();
    node.setProperty (vdm::SelectionModel::RequestSelectionKey, true, nullptr);
}
} // namespace cvl
