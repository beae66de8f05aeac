#include "EditorLayout.h"

namespace cvl
{
namespace
{
    constexpr int margin = 6;
    constexpr int gap = 6;
    constexpr int headerHeight = 101;
    constexpr int upperHeaderHeight = 66;
    constexpr int leftBlockWidth = 500;
    constexpr int macroBlockWidth = 318;
    constexpr int macroWidth = 75;
    constexpr int arrowSize = 35;
    constexpr int presetButtonGroupWidth = 72;
    constexpr int presetButtonSize = 20;
    constexpr int voiceCountLabelHeight = 35;
    constexpr int voiceCountHeight = 25;
    constexpr int bypassWidth = 70;
    constexpr int bypassHeight = 25;
    constexpr int mixKnobSize = 20;
    constexpr int effectSectionHeight = 170;
    constexpr int columnMargin = 26;
    constexpr int columnGap = 40;
    constexpr int toggleHeight = 35;
    constexpr int lfoHeight = 35;
    constexpr int lfoBand = 76;
    constexpr int transformBand = 175;
    constexpr int visualizerHeight = 250;
    constexpr int tooltipHeight = 30;

    // Three columns of the middle area: 289, 289 and 290 wide at a width of 1000.
    std::array<juce::Range<int>, 3> columns (int width)
    {
        const auto span = width - 2 * columnMargin;
        const auto c1 = (width - 132) / 3;
        const auto rest = span - c1 - columnGap;
        const auto c2 = (rest - columnGap) / 2;
        const auto c3 = rest - c2 - columnGap;
        const auto x1 = columnMargin;
        const auto x2 = x1 + c1 + columnGap;
        const auto x3 = x2 + c2 + columnGap;
        return { juce::Range<int>::withStartAndLength (x1, c1), juce::Range<int>::withStartAndLength (x2, c2),
                 juce::Range<int>::withStartAndLength (x3, c3) };
    }

    juce::Rectangle<int> inColumn (juce::Range<int> column, juce::Rectangle<int> band)
    {
        return { column.getStart(), band.getY(), column.getLength(), band.getHeight() };
    }
} // namespace

EditorLayout EditorLayout::compute (int w, int h, bool lfoExpanded, bool transformExpanded)
{
    EditorLayout layout;
    juce::Rectangle<int> area (0, 0, w, h);
    layout.effectSection = area.removeFromBottom (effectSectionHeight);
    area.removeFromBottom (gap);

    auto content = area.withTrimmedLeft (margin).withTrimmedRight (margin);
    content.removeFromTop (margin);
    auto header = content.removeFromTop (headerHeight);
    content.removeFromTop (gap);

    // Left block: logo over the preset row.
    auto left = header.removeFromLeft (leftBlockWidth);
    layout.logo = left.removeFromTop (upperHeaderHeight);
    layout.presetSelector = left;
    auto presetRow = left;
    layout.previousPreset = presetRow.removeFromLeft (arrowSize);
    auto buttonGroup = presetRow.removeFromRight (presetButtonGroupWidth);
    layout.nextPreset = presetRow.removeFromRight (arrowSize);
    layout.presetName = presetRow;
    const auto buttonY = buttonGroup.getCentreY() - presetButtonSize / 2;
    layout.initPreset = { buttonGroup.getX(), buttonY, presetButtonSize, presetButtonSize };
    layout.savePreset = layout.initPreset.translated (presetButtonSize + gap, 0);
    layout.modulationOverlay = layout.savePreset.translated (presetButtonSize + gap, 0);

    // Right block: four macros, each a knob over its label.
    auto macros = header.removeFromRight (macroBlockWidth);
    for (std::size_t i = 0; i < layout.macroSliders.size(); ++i)
    {
        auto macro = macros.removeFromLeft (macroWidth);
        macros.removeFromLeft (gap);
        layout.macroSliders[i] = macro.removeFromTop (upperHeaderHeight);
        layout.macroLabels[i] = macro;
    }

    // Middle block: voice count, bypass and global mix.
    auto middle = header.withTrimmedLeft (gap).withTrimmedRight (gap);
    layout.voiceCountLabel = middle.removeFromTop (voiceCountLabelHeight);
    layout.voiceCount = middle.removeFromTop (voiceCountHeight);
    // Bypass and mix sit centred on the preset row's line.
    const auto rowCentre = layout.presetSelector.getCentreY();
    layout.bypass = { middle.getX(), rowCentre - bypassHeight / 2, bypassWidth, bypassHeight };
    const auto mixY = rowCentre - mixKnobSize / 2;
    layout.mix = { middle.getRight() - mixKnobSize, mixY, mixKnobSize, mixKnobSize };
    layout.mixLabel = { layout.bypass.getRight(), mixY, layout.mix.getX() - layout.bypass.getRight(),
                        mixKnobSize };

    // The middle area, top down.
    const auto cols = columns (w);
    layout.lfoToggle = content.removeFromTop (toggleHeight);
    content.removeFromTop (gap);
    auto lfoArea = content.removeFromTop (lfoExpanded ? lfoBand : 0);
    auto upperLfos = lfoArea.removeFromTop (lfoExpanded ? lfoHeight : 0);
    lfoArea.removeFromTop (lfoExpanded ? gap : 0);
    auto lowerLfos = lfoArea.removeFromTop (lfoExpanded ? lfoHeight : 0);
    for (std::size_t i = 0; i < cols.size(); ++i)
    {
        layout.lfos[i] = inColumn (cols[i], upperLfos);
        layout.lfos[i + 3] = inColumn (cols[i], lowerLfos);
    }
    content.removeFromTop (gap);
    layout.transformToggle = content.removeFromTop (toggleHeight);
    content.removeFromTop (gap);
    const auto transformArea = content.removeFromTop (transformExpanded ? transformBand : 0);
    content.removeFromTop (gap);
    const auto visualizers = content.removeFromTop (visualizerHeight);
    content.removeFromTop (gap);
    const auto tooltipArea = content.removeFromTop (tooltipHeight);
    for (std::size_t i = 0; i < cols.size(); ++i)
    {
        layout.vectorSpaceEditors[i] = inColumn (cols[i], transformArea);
        layout.visualizerPairs[i] = inColumn (cols[i], visualizers);
    }
    layout.tooltip = { columnMargin, tooltipArea.getY(), w - 2 * columnMargin, tooltipArea.getHeight() };
    return layout;
}
} // namespace cvl
