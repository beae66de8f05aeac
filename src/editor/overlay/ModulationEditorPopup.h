#pragma once

#include "editor/controls/Tooltips.h"

#include <exl_gui/exl_gui.h>

#include <functional>

namespace cvl
{
// The popup that lists a control's modulation amounts, one column each: the amount knob above its
// label. It lets the pointer through to its anchor and closes itself when the pointer moves away
// from the anchor: at once above or below it, after 250 ms beside it. Message thread.
class ModulationEditorPopup : public juce::Component, private juce::Timer
{
public:
    static constexpr int margin = 6;
    static constexpr int anchorSlack = 6;
    static constexpr int closeDelayMs = 250;
    static constexpr float cornerRadius = 5.0f;

    struct Mod
    {
        std::unique_ptr<juce::Component> control;
        std::unique_ptr<juce::Component> label;
        std::unique_ptr<juce::MouseListener> listener;
    };

    ModulationEditorPopup (juce::Component& anchor, const juce::String& name, juce::ValueTree uiModel);
    ~ModulationEditorPopup() override;

    void addMod (Mod mod, const juce::String& tooltip);
    // The area the columns use; the rest (below them) is free for the owner's extra content.
    void setColumnsHeight (int height) noexcept { columnsHeight = height; }
    // Shows and owns a component of the owner's, placed by the owner.
    void addExtra (std::unique_ptr<juce::Component> component);

    void mouseMove (const juce::MouseEvent& event) override;
    void mouseExit (const juce::MouseEvent& event) override;
    bool hitTest (int x, int y) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    [[nodiscard]] int getNumMods() const noexcept { return static_cast<int> (mods.size()); }
    [[nodiscard]] const Mod& getMod (int index) const { return mods[static_cast<std::size_t> (index)]; }
    [[nodiscard]] Tooltips& getTooltips() noexcept { return tooltips; }
    [[nodiscard]] bool isClosing() const noexcept { return isTimerRunning(); }

    // Called to close the popup; set by the owner of the popup's handle.
    std::function<void()> onClose;

private:
    void timerCallback() override;
    void close();
    [[nodiscard]] juce::Rectangle<int> columnsArea() const;

    juce::Component::SafePointer<juce::Component> anchor;
    std::vector<Mod> mods;
    std::vector<std::unique_ptr<juce::Component>> extras;
    Tooltips tooltips;
    int columnsHeight = -1;

    JUCE_DECLARE_NON_COPYABLE (ModulationEditorPopup)
};
} // namespace cvl
