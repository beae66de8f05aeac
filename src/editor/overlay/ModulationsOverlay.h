#pragma once

#include "editor/IComponentData.h"

#include <exl_gui/exl_gui.h>

#include <map>

namespace cvl
{
// Covers the editor and draws a curve from every modulator's on-screen source to every control it
// modulates. Sources and controls announce themselves through component properties; the maps are
// rebuilt whenever the overlay is placed in the editor. A click anywhere closes the overlay's popup.
// Message thread.
class ModulationsOverlay : public juce::Component
{
public:
    static const juce::Identifier ModulatorProperty;
    static const juce::Identifier ParameterProperty;
    static constexpr float sag = 100.0f;
    static constexpr float labelledPointSize = 25.0f;
    static constexpr float plainPointSize = 10.0f;
    static constexpr float haloGrowth = 40.0f;

    ModulationsOverlay (IComponentData& data, exl::IPopupHandle& popup);

    static void setModulator (juce::Component& component, PolyModulatorId id);
    static void setModulator (juce::Component& component, MonoModulatorId id);
    // The modulator's name with only the characters of "LMV0123456789XY" kept: "Lfo1" gives "L1".
    [[nodiscard]] static juce::String shortLabel (const juce::String& modulatorName);

    void parentHierarchyChanged() override;
    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& event) override;
    void paintPoint (juce::Graphics& g, juce::Point<float> p, const juce::String& label) const;

    struct Curve
    {
        juce::String modulator;
        juce::String parameter;
        juce::Point<float> control; // P, in the overlay's coordinates
        juce::Point<float> source;  // Q
    };
    // The curves a paint would draw now.
    [[nodiscard]] std::vector<Curve> getCurves() const;
    // Walks the editor again; parentHierarchyChanged does it on placement.
    void rebuild();

private:
    void fillComponentList (juce::Component* component);

    IComponentData& data;
    exl::IPopupHandle& popup;
    std::map<juce::String, juce::WeakReference<juce::Component>> controls;
    std::map<juce::String, juce::WeakReference<juce::Component>> sources;
    std::map<juce::String, std::vector<juce::String>> assignments;

    JUCE_DECLARE_NON_COPYABLE (ModulationsOverlay)
};
} // namespace cvl
