#pragma once

#include "SliderLabel.h"
#include "editor/IComponentData.h"
#include "parameters/ParameterId.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
class Slider;
class ModulationEditorPopup;

// A knob with its modulation visualizer, and the modulation editor popup that opens when the pointer
// enters the knob. Effect parameters get the shaded knob and the per-voice visualizer, the others the
// terminal knob and the mono visualizer. Only one such popup is open at a time. Not a component: the
// owner adds the knob and the visualizer to itself. Message thread.
class ModulatedParameterSlider
{
public:
    static constexpr int rowWidth = 35;
    static constexpr int popupMargin = 12;
    static constexpr int effectExtraHeight = 72;
    static constexpr int otherExtraHeight = 144;

    ModulatedParameterSlider (IComponentData& data, const ParameterId& id);
    ~ModulatedParameterSlider();

    // Adds the listener to the knob and the visualizer, each at most once.
    void addMouseListener (juce::MouseListener* listener);
    void addTo (juce::Component& parent);
    void setVisible (bool visible);
    void setEnabled (bool enabled);

    [[nodiscard]] Slider* getKnob() const noexcept { return knob.get(); }
    [[nodiscard]] juce::Component* getVisualizer() const noexcept { return visualizer.get(); }
    [[nodiscard]] bool isEffect() const noexcept { return effect; }
    [[nodiscard]] const ParameterId& getId() const noexcept { return id; }

    // What the pointer entering the knob does: open the popup and mark this parameter as hovered.
    void hover();
    // The popup as the hover opens it.
    void openPopup();
    [[nodiscard]] bool isPopupOpen() { return popup.isValid(); }
    [[nodiscard]] ModulationEditorPopup* getPopupContent() const noexcept;

private:
    IComponentData& data;
    ParameterId id;
    bool effect;
    std::unique_ptr<Slider> knob;
    std::unique_ptr<juce::Component> visualizer;
    std::unique_ptr<exl::MouseHoverListener> hoverListener;
    exl::PopupClient popup;
    exl::ValueTreeCallbacks uiCallbacks;
    juce::Component::SafePointer<juce::Component> popupContent;
    std::vector<juce::MouseListener*> listeners;

    JUCE_DECLARE_NON_COPYABLE (ModulatedParameterSlider)
};

// An effect slot's knob: the modulated knob with its name and value below. Message thread.
class DspSlider
{
public:
    static constexpr int labelHeight = 30;
    static constexpr int effectInset = 7;
    static constexpr int otherInset = 5;

    DspSlider (IComponentData& data, const juce::String& effectName, const juce::String& parameterName,
               int slot, const juce::String& scope);

    void addTo (juce::Component& parent);
    void setBounds (juce::Rectangle<int> area);

    // "DistortionAmount2_Effect" gives "Amount", "DiffuserDelayTime1_Effect" "Time".
    [[nodiscard]] static juce::String labelNameFor (const juce::String& identifier);

    [[nodiscard]] ModulatedParameterSlider& getSlider() noexcept { return slider; }
    [[nodiscard]] SliderLabel& getLabel() noexcept { return label; }

private:
    ParameterId id;
    ModulatedParameterSlider slider;
    SliderLabel label;

    JUCE_DECLARE_NON_COPYABLE (DspSlider)
};

// The value label shown in a non-effect knob's modulation popup, on its own rounded backing.
class SliderLabelPopup : public juce::Component
{
public:
    static constexpr int bottomGap = 10;

    SliderLabelPopup (IComponentData& data, const juce::Identifier& identifier);

    void paint (juce::Graphics& g) override;
    void resized() override;

    [[nodiscard]] SliderLabel& getLabel() noexcept { return label; }

private:
    SliderLabel label;

    JUCE_DECLARE_NON_COPYABLE (SliderLabelPopup)
};
} // namespace cvl
