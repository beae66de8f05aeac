#pragma once

#include "editor/IComponentData.h"
#include "models/MonoModulatorsModel.h"
#include "parameters/ParameterId.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
// Drawn over a knob whose parameter the mono modulators move: the reachable range on the arc and the
// current modulated position. Repaints when the values or the amounts change. Message thread.
class MonoModulationVisualizer : public juce::Component
{
public:
    MonoModulationVisualizer (IComponentData& data, const ParameterId& id);

    void paint (juce::Graphics& g) override;
    // Base and range in -1 to 1; an empty range when no amount is set.
    [[nodiscard]] juce::Range<float> getRange() const;
    [[nodiscard]] float getPosition() const;

private:
    float base = -1.0f;
    MonoModulatorsModel::Listener listener;
    exl::ValueTreeCallbacks callbacks;

    JUCE_DECLARE_NON_COPYABLE (MonoModulationVisualizer)
};

// Drawn over a per-voice effect knob: the reachable range and one point per active voice, read from
// the voice positions. Its timer repaints it when the voices moved while it shows a range. Message thread.
class PolyModulationVisualizer : public juce::Component, private juce::Timer
{
public:
    static constexpr int repaintIntervalMs = 16;

    PolyModulationVisualizer (IComponentData& data, const ParameterId& id);
    ~PolyModulationVisualizer() override;

    void paint (juce::Graphics& g) override;
    [[nodiscard]] juce::Range<float> getRange() const;
    // Each active voice's position in -1 to 1.
    [[nodiscard]] std::vector<float> getVoicePositions() const;

private:
    void timerCallback() override;

    IComponentData& data;
    float base = -1.0f;
    std::array<float, PolyModulators::Count> amounts{};
    int voiceCount = 1;
    juce::NormalisableRange<float> voiceRange{ 1.0f, static_cast<float> (maxVoices), 1.0f };
    exl::ValueTreeCallbacks callbacks;
    std::vector<float> lastPositions;

    JUCE_DECLARE_NON_COPYABLE (PolyModulationVisualizer)
};
} // namespace cvl
