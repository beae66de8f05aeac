#pragma once

#include "EditorLayout.h"
#include "IComponentData.h"
#include "LogoButton.h"
#include "Placeholder.h"
#include "presets/PresetSelector.h"

namespace cvl
{
// The main editor: header, the collapsible LFO and transform rows, the vector-space visualizers, the
// tooltip line and the effect section, laid out on the size the shell sets; paints the background and
// recolours everything when the theme changes. The controls other parts build are placeholders of
// their final size. Message thread.
class CorvaneEditor : public juce::Component
{
public:
    explicit CorvaneEditor (IComponentData& data);
    ~CorvaneEditor() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void parentHierarchyChanged() override;

    [[nodiscard]] juce::Component& getEffectSection() noexcept { return effectSection; }
    [[nodiscard]] juce::LookAndFeel& getEffectLookAndFeel() noexcept { return effectLookAndFeel; }
    // Children in layout order, by the name they carry; for inspection.
    [[nodiscard]] juce::Component* findChild (const juce::String& name) const;
    // Opens the about popup unless it is open already.
    void openAboutPopup();
    [[nodiscard]] bool isAboutPopupOpen() { return aboutPopup.isValid(); }

private:
    struct Macro
    {
        explicit Macro (int number);
        Placeholder slider;
        Placeholder label;
    };

    void applyTheme (const juce::var& themeText);
    void installTypeface();
    void refreshNoise();

    IComponentData& data;
    LogoButton logo;
    exl::MouseClickListener logoClick{ &logo };
    exl::PopupClient aboutPopup;
    PresetSelector presetSelector{ data };
    Placeholder voiceCount{ "Voice Count" };
    Placeholder voiceCountLabel{ "Voice Count Label" };
    Placeholder bypass{ "Bypass" };
    std::array<Macro, 4> macros{ Macro (1), Macro (2), Macro (3), Macro (4) };
    Placeholder mix{ "Mix" };
    Placeholder mixLabel{ "Mix Label" };
    Placeholder lfoToggle{ "Monophonic Modulators" };
    std::array<std::unique_ptr<Placeholder>, 6> lfos;
    Placeholder transformToggle{ "Transforms" };
    std::array<std::unique_ptr<Placeholder>, 3> vectorSpaceEditors;
    std::array<std::unique_ptr<Placeholder>, 3> visualizerPairs;
    Placeholder tooltipLine{ "Tooltip" };
    juce::LookAndFeel_V4 effectLookAndFeel;
    exl::ValueTreeCallbacks uiCallbacks;
    Placeholder effectSection{ "Effect Section" };
    std::array<std::unique_ptr<Placeholder>, 3> effectSlots;
    juce::Image noise;

    JUCE_DECLARE_NON_COPYABLE (CorvaneEditor)
};
} // namespace cvl
