#include "modulation/TempoSyncUtility.h"

#include <gtest/gtest.h>

using cvl::TempoSyncUtility;

namespace
{
// The note lengths in quarter-note beats, longest first: each straight value, then the triplet that
// fits three notes into the time of two of them.
struct NoteLength
{
    double beats;
    const char* label;
};
const NoteLength noteLengths[] = {
    { 8.0, "2/1" }, { 8.0 * 2.0 / 3.0, "4/3" },  { 4.0, "1/1" }, { 4.0 * 2.0 / 3.0, "2/3" },
    { 2.0, "1/2" }, { 2.0 * 2.0 / 3.0, "1/3" },  { 1.0, "1/4" }, { 1.0 * 2.0 / 3.0, "1/6" },
    { 0.5, "1/8" }, { 0.5 * 2.0 / 3.0, "1/12" },
};
} // namespace

TEST (TempoSyncUtility, SyncTypesAreFreeStandardAndTriplet)
{
    EXPECT_EQ (static_cast<int> (TempoSyncUtility::Type::Free), 0);
    EXPECT_EQ (static_cast<int> (TempoSyncUtility::Type::Standard), 1);
    EXPECT_EQ (static_cast<int> (TempoSyncUtility::Type::Triplet), 2);
    EXPECT_EQ (cvl::ParameterHelpers::enumToStringArray<TempoSyncUtility::Type>(),
               juce::StringArray ({ " Free", " Standard", " Triplet" }));
}

TEST (TempoSyncUtility, TenLengthsAlternateStraightAndTripletWithTheirLabels)
{
    ASSERT_EQ (TempoSyncUtility::lengthCount, std::size (noteLengths));
    for (std::size_t i = 0; i < TempoSyncUtility::lengthCount; ++i)
    {
        EXPECT_NEAR (TempoSyncUtility::lengthInBeats (i), noteLengths[i].beats, 1e-15) << "index " << i;
        EXPECT_EQ (TempoSyncUtility::LengthToString (static_cast<TempoSyncUtility::Length> (i)),
                   noteLengths[i].label);
    }
    EXPECT_EQ (TempoSyncUtility::LengthToString (TempoSyncUtility::Length::Quarter), "1/4");
    EXPECT_EQ (TempoSyncUtility::LengthToString (TempoSyncUtility::Length::Twelfth), "1/12");
}

TEST (TempoSyncUtility, LengthsOutsideTheTableAreAnError)
{
    for (const auto index : { -1, 10, 11, 1000 })
        EXPECT_EQ (TempoSyncUtility::LengthToString (static_cast<TempoSyncUtility::Length> (index)), "ERROR")
            << index;
    // The beat count has no error value; it falls back to the first length rather than read past the table.
    EXPECT_EQ (TempoSyncUtility::lengthInBeats (10), 8.0);
}

TEST (TempoSyncUtility, HzRangeMapsAPowerCurveFromZeroToFiveHz)
{
    const auto& range = TempoSyncUtility::HzRange;
    EXPECT_EQ (range.start, 0.0f);
    EXPECT_EQ (range.end, 5.0f);
    EXPECT_EQ (range.interval, 0.0f);
    EXPECT_FALSE (range.symmetricSkew);

    // Hz = 5 v^(1 / log10 2): a tenth of the top at the centre.
    const auto exponent = 1.0 / std::log10 (2.0);
    for (const auto v : { 0.0f, 0.01f, 0.1f, 0.25f, 0.5f, 0.6f, 0.75f, 0.9f, 0.99f, 1.0f })
    {
        const auto expected = 5.0 * std::pow (static_cast<double> (v), exponent);
        EXPECT_NEAR (range.convertFrom0to1 (v), expected, 1e-5 * (1.0 + expected)) << "v = " << v;
        if (v > 0.0f)
        {
            EXPECT_NEAR (range.convertTo0to1 (static_cast<float> (expected)), v, 1e-5f) << "v = " << v;
        }
    }
    EXPECT_NEAR (range.convertFrom0to1 (0.5f), 0.5f, 1e-5f);
    EXPECT_NEAR (range.convertFrom0to1 (1.0f), 5.0f, 1e-6f);
    EXPECT_EQ (range.convertFrom0to1 (0.0f), 0.0f);
}
