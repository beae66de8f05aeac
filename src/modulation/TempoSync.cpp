#include "TempoSync.h"

#include <cmath>

namespace cvl
{
std::size_t TempoSync::lockLengthIndex (TempoSyncUtility::Type type, std::size_t index) noexcept
{
    switch (type)
    {
        case TempoSyncUtility::Type::Standard:
            return index & ~std::size_t{ 1 };
        case TempoSyncUtility::Type::Triplet:
            return index | std::size_t{ 1 };
        case TempoSyncUtility::Type::Free:
        default:
            return index;
    }
}

double TempoSync::phaseAt (double beatPosition, double lengthBeats) noexcept
{
    // A broken host transport (a non-finite position, or one counted on at an infinite tempo) counts as
    // no transport: a phase that turned NaN would stay NaN once the LFO runs free again.
    if (! std::isfinite (beatPosition) || ! (lengthBeats > 0.0))
        return 0.0;
    auto phase = std::fmod (beatPosition, lengthBeats) / lengthBeats;
    if (phase < 0.0)
        phase += 1.0;
    if (phase >= 1.0)
        phase -= std::floor (phase);
    return phase;
}
} // namespace cvl
