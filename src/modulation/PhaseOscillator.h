#pragma once

namespace cvl
{
// A free-running phase in 0 ... 1 that advances by frequency / sample rate per sample.
// Audio thread only.
class PhaseOscillator
{
public:
    // Advances over numSamples; a zero frequency holds the phase at 0. Without a sample rate the
    // phase stays where it is.
    void advance (double frequencyHz, int numSamples, double sampleRate) noexcept;

    void setPhase (double newPhase) noexcept { phase = newPhase; }
    [[nodiscard]] double getPhase() const noexcept { return phase; }

private:
    double phase = 0.0;
};
} // namespace cvl
