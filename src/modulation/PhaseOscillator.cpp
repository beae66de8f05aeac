#include "PhaseOscillator.h"

#include <cmath>

namespace cvl
{
void PhaseOscillator::advance (double frequencyHz, int numSamples, double sampleRate) noexcept
{
    if (frequencyHz == 0.0)
    {
        phase = 0.0;
        return;
    }
    if (sampleRate <= 0.0)
        return;
    phase += frequencyHz * numSamples / sampleRate;
    if (phase >= 1.0)
        phase -= std::floor (phase);
}
} // namespace cvl
