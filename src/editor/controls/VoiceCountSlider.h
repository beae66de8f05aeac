#pragma once

#include "editor/IComponentData.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
// The voice count as two rows of eight dots: a click on a cell sets that many voices, the wheel steps
// by one voice and hovering previews the cells up to the pointer. Message thread.
class VoiceCountSlider : public exl::SliderVisualizerBase
{
public:
    static const juce::Identifier Identifier;
    static constexpr int cellsPerRow = 8;
    static constexpr float dotSize = 10.0f;

    explicit VoiceCountSlider (IComponentData& data);

    void mouseMove (const juce::MouseEvent& event) override;
    void mouseExit (const juce::MouseEvent& event) override;
    void mouseDown (const juce::MouseEvent& event) override;
    void mouseWheelMove (const juce::MouseEvent& event, const juce::MouseWheelDetails& wheel) override;

    [[nodiscard]] int getHoveredIndex() const noexcept { return hovered; }
    [[nodiscard]] int getCellCount() const noexcept;
    // The cell at a local position, or -1.
    [[nodiscard]] int cellAt (juce::Point<float> position) const;
    [[nodiscard]] juce::Rectangle<float> cellBounds (int index) const;

protected:
    void paintValue (juce::Graphics& g, float value) override;

private:
    exl::ParameterHandler handler;
    int hovered = -1;

    JUCE_DECLARE_NON_COPYABLE (VoiceCountSlider)
};
} // namespace cvl
