#pragma once

#include "Adsr.h"

#include <memory>
#include <vector>

namespace exl::dsp
{
// Guards a stereo output against runaway levels. While the RMS level of the pair is above +3 dBFS the
// gain pulls it down to the threshold, acting on a signal delayed by a short lookahead; every sample
// is then hard-limited to +9 dBFS. At normal levels it only delays the signal.
// Audio thread only; prepare allocates, process never does.
class SafetyLimiter
{
public:
    SafetyLimiter();
    ~SafetyLimiter();

    void prepare (double sampleRate);
    void process (float* left, float* right, int numSamples) noexcept;

    // The delay the lookahead adds, rounded to whole samples (440 at 44.1 kHz).
    [[nodiscard]] int getLatencyInSamples() const noexcept;
    [[nodiscard]] float getCeiling() const noexcept;
    [[nodiscard]] float getCurrentGain() const noexcept;

private:
    struct Impl;
    std::unique_ptr<Impl> impl;

    JUCE_DECLARE_NON_COPYABLE (SafetyLimiter)
};
} // namespace exl::dsp
