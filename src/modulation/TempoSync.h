#pragma once

#include "modulation/TempoSyncUtility.h"

namespace cvl
{
// The phase of a tempo-locked oscillator from the host's beat position. Audio thread only.
struct TempoSync
{
    // Standard lengths have even indices, triplets odd ones; Free leaves the index as it is.
    [[nodiscard]] static std::size_t lockLengthIndex (TempoSyncUtility::Type type,
                                                      std::size_t index) noexcept;
    // Where within one note of lengthBeats the beat position lies, in 0 ... 1 (negative positions of a
    // host's pre-roll included); 0 for a non-finite position.
    [[nodiscard]] static double phaseAt (double beatPosition, double lengthBeats) noexcept;
};
} // namespace cvl
