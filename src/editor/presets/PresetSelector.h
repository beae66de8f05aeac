#pragma once

#include "editor/IComponentData.h"
#include "editor/controls/IconButton.h"
#include "editor/controls/TextButton.h"

#include <exl_gui/exl_gui.h>
#include <vdm_directory/vdm_directory.h>

namespace cvl
{
// The preset row of the header: previous, the current preset's name (a click opens the preset popup),
// next, init, save and the modulation overlay toggle. The buttons are children of the main editor,
// which places them. The preset popup and the overlay share one popup slot, so at most one of them is
// open. Everything goes to the preset model as requests on the preset tree. Message thread.
class PresetSelector
{
public:
    static constexpr int popupInset = 100;
    static constexpr int popupFallbackSize = 800;

    // Builds the overlay shown by the overlay button into the given popup slot.
    using OverlayFactory =
        std::function<std::unique_ptr<juce::Component> (IComponentData&, exl::PopupClient&)>;

    explicit PresetSelector (IComponentData& data);
    ~PresetSelector();

    // Adds the six buttons to the component that places them.
    void addButtonsTo (juce::Component& parent);
    void setButtonBounds (juce::Rectangle<int> previous, juce::Rectangle<int> name, juce::Rectangle<int> next,
                          juce::Rectangle<int> init, juce::Rectangle<int> save, juce::Rectangle<int> overlay);
    void setOverlayFactory (OverlayFactory factory) { overlayFactory = std::move (factory); }

    void selectPrevious();
    void selectNext();
    void openPresetPopup();
    void toggleOverlay();

    [[nodiscard]] juce::Button& getPreviousButton() noexcept;
    [[nodiscard]] juce::Button& getNextButton() noexcept;
    [[nodiscard]] juce::Button& getNameButton() noexcept;
    [[nodiscard]] juce::Button& getInitButton() noexcept { return initButton; }
    [[nodiscard]] juce::Button& getSaveButton() noexcept { return saveButton; }
    [[nodiscard]] juce::Button& getOverlayButton() noexcept { return overlayButton; }
    // The node last reported as selected.
    [[nodiscard]] juce::ValueTree getCurrentNode() const;
    [[nodiscard]] exl::PopupClient& getPopup() noexcept { return popup; }

private:
    class Impl;

    IComponentData& data;
    std::unique_ptr<Impl> impl;
    exl::PopupClient popup;
    exl::ValueTreeCallbacks callbacks;
    vdm::TreeViewSelector selector;
    IconButton saveButton;
    IconButton initButton;
    IconButton overlayButton;
    std::unique_ptr<juce::FileChooser> chooser;
    OverlayFactory overlayFactory;

    JUCE_DECLARE_NON_COPYABLE (PresetSelector)
};
} // namespace cvl
