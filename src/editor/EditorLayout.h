#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>

namespace cvl
{
// Bounds of every part of the main editor for a window size, in pixels at zoom 1.
struct EditorLayout
{
    static constexpr int width = 1000;
    static constexpr int collapsedHeight = 657;
    static constexpr int lfoBandHeight = 82;        // the band and its gap
    static constexpr int transformBandHeight = 181; // the band and its gap

    // The window height for the expanded editors: 657, 739, 838 or 920.
    [[nodiscard]] static int heightFor (bool lfoExpanded, bool transformExpanded) noexcept
    {
        return collapsedHeight + (lfoExpanded ? lfoBandHeight : 0) +
               (transformExpanded ? transformBandHeight : 0);
    }

    [[nodiscard]] static EditorLayout compute (int width, int height, bool lfoExpanded,
                                               bool transformExpanded);

    juce::Rectangle<int> logo;
    juce::Rectangle<int> presetSelector, previousPreset, nextPreset, presetName, initPreset, savePreset,
        modulationOverlay;
    juce::Rectangle<int> voiceCountLabel, voiceCount, bypass, mixLabel, mix;
    std::array<juce::Rectangle<int>, 4> macroSliders, macroLabels;
    juce::Rectangle<int> lfoToggle;
    std::array<juce::Rectangle<int>, 6> lfos;
    juce::Rectangle<int> transformToggle;
    std::array<juce::Rectangle<int>, 3> vectorSpaceEditors, visualizerPairs;
    juce::Rectangle<int> tooltip, effectSection;
};
} // namespace cvl
