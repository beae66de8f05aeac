#include "modulation/TempoSync.h"

#include <gtest/gtest.h>

using cvl::TempoSync;
using SyncType = cvl::TempoSyncUtility::Type;

TEST (TempoSync, StraightLengthsAreEvenAndTripletsOdd)
{
    for (std::size_t index = 0; index < cvl::TempoSyncUtility::lengthCount; ++index)
    {
        const auto straight = TempoSync::lockLengthIndex (SyncType::Standard, index);
        const auto triplet = TempoSync::lockLengthIndex (SyncType::Triplet, index);
        // The straight note and its triplet sit side by side, the straight one first.
        EXPECT_EQ (straight, index - index % 2) << index;
        EXPECT_EQ (triplet, straight + 1) << index;
        EXPECT_EQ (TempoSync::lockLengthIndex (SyncType::Free, index), index);
    }
}

TEST (TempoSync, PhaseIsThePositionWithinTheCurrentNote)
{
    struct Case
    {
        double beat, length, phase;
    };
    const Case cases[] = {
        { 0.0, 1.0, 0.0 },
        { 0.25, 1.0, 0.25 },
        { 7.75, 1.0, 0.75 },
        { 5.0, 4.0, 0.25 },
        { 1.0, 2.0 / 3.0, 0.5 },
        { 2.0, 2.0 / 3.0, 0.0 },
        { 9.0, 8.0, 0.125 },
        { 1e6 + 0.5, 0.5, 0.0 },
        // A host's pre-roll counts back from the first downbeat.
        { -0.25, 1.0, 0.75 },
        { -1.0, 4.0, 0.75 },
    };
    for (const auto& c : cases)
    {
        const auto phase = TempoSync::phaseAt (c.beat, c.length);
        EXPECT_GE (phase, 0.0);
        EXPECT_LT (phase, 1.0);
        // Modulo one cycle: a position on a note boundary may land on either side of it.
        const auto d = std::abs (phase - c.phase);
        EXPECT_LT (std::min (d, 1.0 - d), 1e-9) << c.beat << " in notes of " << c.length;
    }
}

TEST (TempoSync, NoLengthOrNoUsablePositionGivesTheStartOfTheNote)
{
    EXPECT_EQ (TempoSync::phaseAt (3.5, 0.0), 0.0);
    EXPECT_EQ (TempoSync::phaseAt (3.5, -1.0), 0.0);
    EXPECT_EQ (TempoSync::phaseAt (3.5, std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ (TempoSync::phaseAt (std::numeric_limits<double>::quiet_NaN(), 1.0), 0.0);
    EXPECT_EQ (TempoSync::phaseAt (std::numeric_limits<double>::infinity(), 1.0), 0.0);
    EXPECT_EQ (TempoSync::phaseAt (-std::numeric_limits<double>::infinity(), 1.0), 0.0);
}
