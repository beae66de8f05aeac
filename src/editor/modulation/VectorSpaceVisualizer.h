#pragma once

#include "editor/IComponentData.h"
#include "editor/controls/EmphasisArea.h"
#include "models/ModulationsModel.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
// One vector space's voices: in preview mode the initial shape over a grid, in main mode the
// transformed cloud with a flickering glow. Looks at the voices every 16 ms while it shows and repaints
// when they moved. Message thread.
class VectorSpaceVisualizer : public juce::Component, private juce::Timer
{
public:
    static constexpr int repaintIntervalMs = 16;
    static constexpr int inset = 10;
    static constexpr float dotSize = 5.0f;

    // index: 1 to 3.
    VectorSpaceVisualizer (IComponentData& data, int index, bool preview);
    ~VectorSpaceVisualizer() override;

    void paint (juce::Graphics& g) override;
    // A point in -1 to 1 (clamped) to local pixels, +1 at the top.
    [[nodiscard]] juce::Point<float> mapPoint (const juce::Point<float>& point) const;
    [[nodiscard]] std::vector<juce::Point<float>> readPoints() const;
    [[nodiscard]] int getVoiceCount() const noexcept { return voiceCount; }
    [[nodiscard]] PolyModulatorId getXId() const noexcept { return xId; }
    [[nodiscard]] PolyModulatorId getYId() const noexcept { return yId; }

private:
    void timerCallback() override;
    void paintPreview (juce::Graphics& g, const std::vector<juce::Point<float>>& points);
    void paintMain (juce::Graphics& g, const std::vector<juce::Point<float>>& points);

    IComponentData& data;
    int index;
    bool preview;
    PolyModulatorId xId;
    PolyModulatorId yId;
    int voiceCount = 1;
    juce::NormalisableRange<float> voiceRange{ 1.0f, 16.0f, 1.0f };
    juce::Random random;
    exl::ValueTreeCallbacks callbacks;
    // The points of the last repaint request.
    std::vector<juce::Point<float>> lastPoints;

    JUCE_DECLARE_NON_COPYABLE (VectorSpaceVisualizer)
};

// The preview with the transformed cloud drawn over it, and the X and Y emphasis strips that mark the
// space's two poly modulators.
class VectorSpaceVisualizerPair : public VectorSpaceVisualizer
{
public:
    static constexpr int stripThickness = 10;
    static constexpr int stripOffset = 15;
    static constexpr int stripEndGap = 40;

    VectorSpaceVisualizerPair (IComponentData& data, int index);
    ~VectorSpaceVisualizerPair() override;

    void setBounds (juce::Rectangle<int> area);

    [[nodiscard]] VectorSpaceVisualizer& getMain() noexcept { return main; }
    [[nodiscard]] const EmphasisArea& getXArea() const noexcept { return xArea; }
    [[nodiscard]] const EmphasisArea& getYArea() const noexcept { return yArea; }

private:
    VectorSpaceVisualizer main;
    EmphasisArea xArea;
    EmphasisArea yArea;
    ModulationsModel::State state;
    ModulationsModel::MouseListener xListener;
    ModulationsModel::MouseListener yListener;

    JUCE_DECLARE_NON_COPYABLE (VectorSpaceVisualizerPair)
};
} // namespace cvl
