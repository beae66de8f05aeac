#include "editor/EditorLayout.h"

#include <gtest/gtest.h>

namespace
{
using cvl::EditorLayout;
using R = juce::Rectangle<int>;

TEST (EditorLayout, HeaderHasFixedPlacesAtEveryHeight)
{
    for (const auto height : { 657, 739, 838, 920 })
    {
        const auto layout =
            EditorLayout::compute (1000, height, height == 739 || height == 920, height >= 838);
        EXPECT_EQ (layout.logo, R (6, 6, 500, 66));
        EXPECT_EQ (layout.previousPreset, R (6, 72, 35, 35));
        EXPECT_EQ (layout.presetName, R (41, 72, 358, 35));
        EXPECT_EQ (layout.nextPreset, R (399, 72, 35, 35));
        EXPECT_EQ (layout.initPreset, R (434, 79, 20, 20));
        EXPECT_EQ (layout.savePreset, R (460, 79, 20, 20));
        EXPECT_EQ (layout.modulationOverlay, R (486, 79, 20, 20));
        EXPECT_EQ (layout.voiceCountLabel, R (512, 6, 158, 35));
        EXPECT_EQ (layout.voiceCount, R (512, 41, 158, 25));
        EXPECT_EQ (layout.bypass, R (512, 77, 70, 25));
        EXPECT_EQ (layout.mixLabel, R (582, 79, 68, 20));
        EXPECT_EQ (layout.mix, R (650, 79, 20, 20));
        const int macroX[] = { 676, 757, 838, 919 };
        for (std::size_t i = 0; i < 4; ++i)
        {
            EXPECT_EQ (layout.macroSliders[i], R (macroX[i], 6, 75, 66));
            EXPECT_EQ (layout.macroLabels[i], R (macroX[i], 72, 75, 35));
        }
        EXPECT_EQ (layout.effectSection, R (0, height - 170, 1000, 170));
    }
}

TEST (EditorLayout, MiddleAreaFollowsTheExpandedRows)
{
    struct Case
    {
        bool lfo;
        bool transform;
        int height;
        int transformToggleY;
        int visualizerY;
        R tooltip;
        int effectY;
    };
    const Case cases[] = {
        { true, true, 920, 236, 458, { 26, 714, 948, 30 }, 750 },
        { false, false, 657, 160, 207, { 26, 463, 948, 18 }, 487 },
        { false, true, 838, 160, 382, { 26, 638, 948, 24 }, 668 },
        { true, false, 739, 236, 283, { 26, 539, 948, 24 }, 569 },
    };
    for (const auto& c : cases)
    {
        ASSERT_EQ (EditorLayout::heightFor (c.lfo, c.transform), c.height);
        const auto layout = EditorLayout::compute (1000, c.height, c.lfo, c.transform);
        EXPECT_EQ (layout.lfoToggle, R (6, 113, 988, 35)) << c.height;
        EXPECT_EQ (layout.transformToggle, R (6, c.transformToggleY, 988, 35)) << c.height;
        EXPECT_EQ (layout.lfos[0].getHeight(), c.lfo ? 35 : 0) << c.height;
        EXPECT_EQ (layout.vectorSpaceEditors[2].getHeight(), c.transform ? 175 : 0) << c.height;
        EXPECT_EQ (layout.visualizerPairs[0].getY(), c.visualizerY) << c.height;
        EXPECT_EQ (layout.tooltip, c.tooltip) << c.height;
        EXPECT_EQ (layout.effectSection.getY(), c.effectY) << c.height;
    }
}

TEST (EditorLayout, ColumnsAndBandsAtFullHeight)
{
    const auto layout = EditorLayout::compute (1000, 920, true, true);
    EXPECT_EQ (layout.lfos[0], R (26, 154, 289, 35));
    EXPECT_EQ (layout.lfos[1], R (355, 154, 289, 35));
    EXPECT_EQ (layout.lfos[2], R (684, 154, 290, 35));
    EXPECT_EQ (layout.lfos[5], R (684, 195, 290, 35));
    EXPECT_EQ (layout.vectorSpaceEditors[1], R (355, 277, 289, 175));
    EXPECT_EQ (layout.visualizerPairs[2], R (684, 458, 290, 250));
}
} // namespace
