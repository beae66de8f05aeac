#include "PresetSelector.h"

#include "PresetPopup.h"
#include "editor/CorvaneEditor.h"
#include "editor/controls/Tooltips.h"
#include "editor/overlay/ModulationsOverlay.h"
#include "models/ModulationsModel.h"
#include "models/PresetModel.h"
#include "models/UiModel.h"

#include <CorvaneImages.h>

namespace cvl
{
namespace
{
    const juce::String overlayNotice{ "Showing all assigned modulations" };

    bool isFolder (const juce::ValueTree& node)
    {
        return static_cast<int> (node[vdm::DirectoryModel::TypeKey]) == vdm::DirectoryModel::folderType;
    }

} // namespace

class PresetSelector::Impl final : public vdm::SelectionModelListener
{
public:
    explicit Impl (juce::ValueTree ui)
        : tooltips (std::move (ui)), previousButton (CorvaneImages::arrow_left_svg),
          nextButton (CorvaneImages::arrow_right_svg)
    {
    }

    void onTreeSelectionChanged (juce::ValueTree node) override
    {
        if (static_cast<bool> (node[vdm::SelectionModel::IsSelectedKey]))
            current = node;
    }

    Tooltips tooltips;
    IconButton previousButton;
    IconButton nextButton;
    TextButton nameButton;
    juce::ValueTree current;
};

PresetSelector::PresetSelector (IComponentData& componentData)
    : data (componentData), impl (std::make_unique<Impl> (componentData.getUiModel())),
      callbacks (componentData.getPresetModel()), saveButton (CorvaneImages::save_svg),
      initButton (CorvaneImages::init_svg), overlayButton (CorvaneImages::mod_overlay_svg)
{
    auto tree = data.getPresetModel();
    impl->setSelectionModelValueTree (tree);

    impl->previousButton.onClick = [this] { selectPrevious(); };
    impl->nextButton.onClick = [this] { selectNext(); };
    impl->nameButton.onClick = [this] { openPresetPopup(); };

    callbacks.addCallback (
        PresetModel::CurrentPresetName,
        [this] (juce::var value)
        {
            auto& name = impl->nameButton;
            if (value.toString() != name.getButtonText())
            {
                name.setButtonText (value.toString());
                name.repaint();
            }
        },
        true);

    selector.setValueTree (tree);

    initButton.onClick = [this]
    { data.getPresetModel().setProperty (PresetModel::RequestLoadInit, true, nullptr); };
    saveButton.onClick = [this] { PresetPopup::savePreset (chooser, data); };

    impl->tooltips.set (initButton, "Load init preset");
    impl->tooltips.set (saveButton, "Save current configuration as a preset");
    impl->tooltips.set (overlayButton, "View all assigned modulations");

    overlayButton.onClick = [this] { toggleOverlay(); };
    overlayFactory = [] (IComponentData& editorData, exl::PopupClient& overlayPopup)
    { return std::make_unique<ModulationsOverlay> (editorData, overlayPopup); };
}

PresetSelector::~PresetSelector() = default;

juce::Button& PresetSelector::getPreviousButton() noexcept { return impl->previousButton; }
juce::Button& PresetSelector::getNextButton() noexcept { return impl->nextButton; }
juce::Button& PresetSelector::getNameButton() noexcept { return impl->nameButton; }
juce::ValueTree PresetSelector::getCurrentNode() const { return impl->current; }

void PresetSelector::addButtonsTo (juce::Component& parent)
{
    for (auto* button : { &getPreviousButton(), &getNameButton(), &getNextButton(), &getInitButton(),
                          &getSaveButton(), &getOverlayButton() })
        parent.addAndMakeVisible (button);
}

void PresetSelector::setButtonBounds (juce::Rectangle<int> previous, juce::Rectangle<int> name,
                                      juce::Rectangle<int> next, juce::Rectangle<int> init,
                                      juce::Rectangle<int> save, juce::Rectangle<int> overlay)
{
    impl->previousButton.setBounds (previous);
    impl->nameButton.setBounds (name);
    impl->nextButton.setBounds (next);
    initButton.setBounds (init);
    saveButton.setBounds (save);
    overlayButton.setBounds (overlay);
}

void PresetSelector::selectPrevious()
{
    // Steps over folders without opening them; on the first entry it reaches the root and stops.
    do
    {
        const auto remembered = impl->current;
        selector.keyUp();
        if (impl->current == remembered)
            break;
    } while (isFolder (impl->current));
}

void PresetSelector::selectNext()
{
    // Enters every folder on the way, opening it; past the last entry it wraps to the first preset.
    do
    {
        const auto remembered = impl->current;
        selector.keyDown();
        if (isFolder (impl->current))
            vdm::DirectoryModel::SetDirOpen (impl->current, true);
        if (impl->current == remembered)
            break;
    } while (isFolder (impl->current));
}

void PresetSelector::openPresetPopup()
{
    auto& name = impl->nameButton;
    if (popup.getHost() == nullptr && ! popup.findHost (name))
        return;
    if (popup.isValid())
        return;
    popup.create();
    popup.setContentComponent (std::make_unique<PresetPopup> (data));
    popup.setAlignment (exl::PopupAlignment::Centred);
    juce::Component* relative = &name;
    if (auto* editor = name.findParentComponentOfClass<CorvaneEditor>())
    {
        popup.setSize (std::max (editor->getWidth() - popupInset, 0),
                       std::max (editor->getHeight() - popupInset, 0));
        relative = editor;
    }
    else
        popup.setSize (popupFallbackSize, popupFallbackSize);
    popup.setRelativeComponent (*relative, true);
    popup.show();
}

void PresetSelector::toggleOverlay()
{
    if (popup.getHost() == nullptr && ! popup.findHost (overlayButton))
        return;
    if (popup.isValid())
    {
        popup.destroy();
        return;
    }
    popup.create();
    auto overlay = overlayFactory (data, popup);

    ModulationsModel::Controller controller (data.getModulationsModel());
    for (std::size_t i = 0; i < MonoModulators::Count; ++i)
        controller.setEmphasized (static_cast<MonoModulatorId> (i), false);
    for (std::size_t i = 0; i < PolyModulators::Count; ++i)
        controller.setEmphasized (static_cast<PolyModulatorId> (i), false);

    popup.setContentComponent (std::move (overlay));
    popup.setCloseCondition (exl::PopupCloseCondition::ClickOutside);
    popup.setAlignment (exl::PopupAlignment::Centred);
    if (auto* editor = overlayButton.findParentComponentOfClass<CorvaneEditor>())
    {
        popup.setRelativeComponent (*editor, true);
        popup.setSize (editor->getWidth(), editor->getHeight());
    }
    data.getUiModel().setProperty (UiModel::Tooltip, overlayNotice, nullptr);
    popup.show();
}
} // namespace cvl
