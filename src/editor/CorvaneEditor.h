#pragma once

#include "EditorLayout.h"
#include "IComponentData.h"
#include "LogoButton.h"
#include "controls/MacroSlider.h"
#include "controls/SliderLabel.h"
#include "controls/ToggleButton.h"
#include "controls/TogglePropertyButton.h"
#include "controls/TooltipComponent.h"
#include "controls/Tooltips.h"
#include "controls/VoiceCountSlider.h"
#include "effects/ProcessorEditor.h"
#include "modulation/LfoEditor.h"
#include "modulation/VectorSpaceEditor.h"
#include "modulation/VectorSpaceVisualizer.h"
#include "presets/PresetSelector.h"

namespace cvl
{
// The main editor: header, the collapsible LFO and transform rows, the vector-space visualizers, the
// tooltip line and the effect section, laid out on the size the shell sets; paints the background and
// recolours everything when the theme changes. Message thread.
class CorvaneEditor : public juce::Component
{
public:
    explicit CorvaneEditor (IComponentData& data);
    ~CorvaneEditor() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void parentHierarchyChanged() override;

    [[nodiscard]] ProcessorEditor& getEffectSection() noexcept { return effectSection; }
    [[nodiscard]] juce::LookAndFeel& getEffectLookAndFeel() noexcept { return effectLookAndFeel; }
    // Children in layout order, by the name they carry; for inspection.
    [[nodiscard]] juce::Component* findChild (const juce::String& name) const;
    // Opens the about popup unless it is open already.
    void openAboutPopup();
    [[nodiscard]] bool isAboutPopupOpen() { return aboutPopup.isValid(); }

    [[nodiscard]] Tooltips& getTooltips() noexcept { return tooltips; }
    [[nodiscard]] juce::Label& getTooltipLine() noexcept { return tooltipLine.getLabel(); }
    [[nodiscard]] BypassBytton& getBypass() noexcept { return bypass; }
    [[nodiscard]] VoiceCountSlider& getVoiceCount() noexcept { return voiceCount; }
    [[nodiscard]] MacroSlider& getMacro (int index)
    {
        return macros[static_cast<std::size_t> (index)]->slider;
    }
    [[nodiscard]] MacroSlider& getMix() noexcept { return mix.slider; }
    [[nodiscard]] LfoEditor& getLfo (int index) { return *lfos[static_cast<std::size_t> (index)]; }
    [[nodiscard]] VectorSpaceEditor& getVectorSpaceEditor (int index)
    {
        return *vectorSpaceEditors[static_cast<std::size_t> (index)];
    }
    [[nodiscard]] VectorSpaceVisualizerPair& getVisualizerPair (int index)
    {
        return *visualizerPairs[static_cast<std::size_t> (index)];
    }
    [[nodiscard]] TogglePropertyButton& getLfoToggle() noexcept { return lfoToggle; }
    [[nodiscard]] TogglePropertyButton& getTransformToggle() noexcept { return transformToggle; }

private:
    struct Macro
    {
        Macro (IComponentData& data, int number);
        MacroSlider slider;
        SliderLabel label;
    };

    struct MixSlider
    {
        explicit MixSlider (IComponentData& data);
        MacroSlider slider;
        SliderLabel label;
    };

    void applyTheme (const juce::var& themeText);
    void installTypeface();
    void refreshNoise();

    IComponentData& data;
    LogoButton logo;
    exl::MouseClickListener logoClick{ &logo };
    exl::PopupClient aboutPopup;
    PresetSelector presetSelector{ data };
    VoiceCountSlider voiceCount;
    SliderLabel voiceCountLabel;
    BypassBytton bypass;
    std::array<std::unique_ptr<Macro>, 4> macros;
    MixSlider mix;
    TogglePropertyButton lfoToggle;
    std::array<std::unique_ptr<LfoEditor>, 6> lfos;
    TogglePropertyButton transformToggle;
    std::array<std::unique_ptr<VectorSpaceEditor>, 3> vectorSpaceEditors;
    std::array<std::unique_ptr<VectorSpaceVisualizerPair>, 3> visualizerPairs;
    Tooltips tooltips;
    TooltipComponent tooltipLine;
    juce::LookAndFeel_V4 effectLookAndFeel;
    exl::ValueTreeCallbacks uiCallbacks;
    ProcessorEditor effectSection;
    juce::Image noise;

    JUCE_DECLARE_NON_COPYABLE (CorvaneEditor)
};
} // namespace cvl
