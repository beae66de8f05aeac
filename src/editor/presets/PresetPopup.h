#pragma once

#include "editor/IComponentData.h"
#include "editor/controls/IconButton.h"
#include "editor/controls/TextButton.h"

#include <vdm_ui/vdm_ui.h>

namespace cvl
{
// The preset browser's popup: the preset tree as a scrolling list of rows, with buttons below it that
// reveal the user folder, save a preset and load the init preset. It only sets request properties on
// the preset tree and lays itself out again on every change of that tree. Message thread.
class PresetPopup : public juce::Component, private juce::ValueTree::Listener
{
public:
    static constexpr int margin = 6;
    static constexpr int buttonRowHeight = 35;
    static constexpr int folderButtonInset = 5;
    static constexpr int textButtonWidth = 147;
    static constexpr int rowHeight = 30;
    static constexpr int rowIndent = 15;
    static constexpr int rowGap = 2;
    static constexpr float cornerRadius = 5.0f;

    explicit PresetPopup (IComponentData& data);
    ~PresetPopup() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    // The popup is built before it has a parent, so its colours are looked up again once it has one.
    void parentHierarchyChanged() override { updateThumbColour(); }
    void lookAndFeelChanged() override { updateThumbColour(); }

    // Opens the save dialog with a fresh chooser in `chooser`; its result, the empty text when cancelled,
    // goes to the preset model as "request_save_to_path".
    static void savePreset (std::unique_ptr<juce::FileChooser>& chooser, IComponentData& data);
    // The path sent for a chosen file: the empty text for a cancelled dialog, otherwise the file's path,
    // with the preset extension appended when it does not end in it already.
    [[nodiscard]] static juce::String savePathFor (const juce::File& chosen);
    // Shows the user preset folder, creating it first when it is missing; does nothing when neither works.
    static void revealUserFolder();

    [[nodiscard]] vdm::TreeView& getList() noexcept;
    [[nodiscard]] juce::KeyListener& getKeyListener() noexcept;
    [[nodiscard]] juce::Viewport& getViewport() noexcept { return viewport; }
    [[nodiscard]] juce::Button& getFolderButton() noexcept { return folderButton; }
    [[nodiscard]] juce::Button& getSaveButton() noexcept { return saveButton; }
    [[nodiscard]] juce::Button& getInitButton() noexcept { return initButton; }

private:
    class Impl;

    void updateThumbColour();

    void valueTreePropertyChanged (juce::ValueTree&, const juce::Identifier&) override { resized(); }
    void valueTreeChildAdded (juce::ValueTree&, juce::ValueTree&) override { resized(); }
    void valueTreeChildRemoved (juce::ValueTree&, juce::ValueTree&, int) override { resized(); }

    std::unique_ptr<Impl> impl;
    juce::Viewport viewport;
    juce::ValueTree presetTree;
    IconButton folderButton;
    TextButton saveButton;
    TextButton initButton;
    std::unique_ptr<juce::FileChooser> chooser;

    JUCE_DECLARE_NON_COPYABLE (PresetPopup)
};
} // namespace cvl
