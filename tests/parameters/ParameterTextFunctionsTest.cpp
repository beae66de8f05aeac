#include "parameters/ParameterTextFunctions.h"

#include <gtest/gtest.h>

using cvl::ParameterTextFunctions;

namespace
{
exl::Parameter parameterWithRange (float start, float end)
{
    return exl::Parameter ("P", "P", "", "", { start, end }, start, {}, {}, {}, 1);
}

void expectTexts (const exl::TextFunction& function, const exl::Parameter& parameter,
                  std::initializer_list<std::pair<float, const char*>> cases)
{
    for (const auto& [value, expected] : cases)
        EXPECT_EQ (function (parameter, value), expected) << "value " << value;
}
} // namespace

TEST (ParameterTextFunctions, DiscreteShowsTheRoundedValueInRangeUnits)
{
    const auto voices = parameterWithRange (1.0f, 16.0f);
    expectTexts (ParameterTextFunctions::Discrete, voices,
                 { { 0.2f, "4" }, { 1.0f, "16" }, { 0.0f, "1" }, { 0.466667f, "8" } });
}

TEST (ParameterTextFunctions, PercentIgnoresTheRange)
{
    const auto macro = parameterWithRange (-1.0f, 1.0f);
    expectTexts (ParameterTextFunctions::Percent, macro,
                 { { 0.0f, "000%" },
                   { 0.5f, "050%" },
                   { 0.8f, "080%" },
                   { 1.0f, "100%" },
                   { 0.005f, "001%" },
                   { 0.07f, "007%" } });
}

TEST (ParameterTextFunctions, BigPercentIsSignedOnARangeBelowZero)
{
    const auto transform = parameterWithRange (-1.0f, 1.0f);
    expectTexts (ParameterTextFunctions::BigPercent, transform,
                 { { 0.0f, "-100%" },
                   { 0.5f, " 000%" },
                   { 0.75f, " 050%" },
                   { 1.0f, " 100%" },
                   { 0.4999f, "-000%" } });
    const auto positive = parameterWithRange (0.0f, 1.0f);
    expectTexts (ParameterTextFunctions::BigPercent, positive, { { 0.5f, "050%" }, { 1.0f, "100%" } });
}

TEST (ParameterTextFunctions, FrequencyFollowsTheCutoffMapping)
{
    const auto cutoff = parameterWithRange (0.0f, 1.0f);
    expectTexts (ParameterTextFunctions::Frequency, cutoff,
                 { { 0.0f, "00020hz" },
                   { 0.1f, "00043hz" },
                   { 0.25f, "00161hz" },
                   { 0.5f, "01.1khz" },
                   { 0.75f, "05.3khz" },
                   { 0.9f, "12.0khz" },
                   { 1.0f, "20.0khz" },
                   { 1.0e-9f, "00021hz" } });
    // Just below 1 kHz the rounded number is written as hertz.
    const auto justBelow = std::pow (std::log (999.7f - 20.0f) / std::log (19980.0f), 2.0f);
    EXPECT_EQ (ParameterTextFunctions::Frequency (cutoff, justBelow), "01000hz");
}

TEST (ParameterTextFunctions, PercentWithRangeMapsOntoItsOwnRange)
{
    const auto pan = parameterWithRange (0.0f, 1.0f);
    expectTexts (ParameterTextFunctions::percentWithRange (-100.0f, 100.0f), pan,
                 { { 0.0f, "-100%" },
                   { 0.25f, "-050%" },
                   { 0.5f, " 000%" },
                   { 1.0f, " 100%" },
                   { 1.5f, " 100%" },
                   { -1.0f, "-100%" } });
}

TEST (ParameterTextFunctions, TextsOfOneKindHaveOneWidth)
{
    const auto ranged = parameterWithRange (-1.0f, 1.0f);
    const auto pan = ParameterTextFunctions::percentWithRange (-100.0f, 100.0f);
    for (int i = 0; i <= 1000; ++i)
    {
        const auto v = static_cast<float> (i) / 1000.0f;
        ASSERT_EQ (ParameterTextFunctions::Percent (ranged, v).length(), 4) << v;
        ASSERT_EQ (ParameterTextFunctions::BigPercent (ranged, v).length(), 5) << v;
        ASSERT_EQ (ParameterTextFunctions::Frequency (ranged, v).length(), 7) << v;
        ASSERT_EQ (pan (ranged, v).length(), 5) << v;
    }
}
