#pragma once

#include "modulation/LfoShape.h"
#include "modulation/PhaseOscillator.h"
#include "modulation/TempoSyncUtility.h"

namespace cvl
{
// A control-rate low-frequency oscillator, evaluated once per sub-block: a shape scaled to
// -scale ... +scale, with a free rate in Hz or a phase locked to the host's beat position.
// Threads: setSampleRate from prepareToPlay, everything else from the audio thread's sub-blocks and
// change callbacks.
class LfoModulator
{
public:
    static constexpr std::size_t defaultLengthIndex = 6; // "1/4"
    static constexpr float defaultFrequencyHz = 0.25f;

    void setSampleRate (double newSampleRate) noexcept { sampleRate = newSampleRate; }

    void setEnabled (bool shouldBeEnabled) noexcept { enabled = shouldBeEnabled; }
    void setScale (float newScale) noexcept { scale = newScale; }
    void setShape (int newShape) noexcept { shape = newShape; }
    // A sync type outside the enumeration runs free.
    void setSyncType (std::size_t newType) noexcept { syncType = newType; }
    void setLengthIndex (std::size_t index) noexcept { lengthIndex = index; }
    void setFrequency (float hz) noexcept { frequency = hz; }
    void setPhase (double newPhase) noexcept { oscillator.setPhase (newPhase); }

    // The output at the current phase: 0 when disabled or for a shape outside the enumeration.
    [[nodiscard]] float getValue() const noexcept;

    // Moves the phase over a sub-block of numSamples that starts at startBeat (quarter notes).
    void advance (int numSamples, double startBeat) noexcept;

    [[nodiscard]] bool isEnabled() const noexcept { return enabled; }
    [[nodiscard]] float getScale() const noexcept { return scale; }
    [[nodiscard]] int getShape() const noexcept { return shape; }
    [[nodiscard]] TempoSyncUtility::Type getSyncType() const noexcept;
    [[nodiscard]] std::size_t getLengthIndex() const noexcept { return lengthIndex; }
    [[nodiscard]] float getFrequency() const noexcept { return frequency; }
    [[nodiscard]] double getPhase() const noexcept { return oscillator.getPhase(); }
    [[nodiscard]] double getSampleRate() const noexcept { return sampleRate; }

private:
    bool enabled = true;
    float scale = 1.0f;
    int shape = static_cast<int> (LfoShape::Sine);
    double sampleRate = 0.0;
    std::size_t syncType = static_cast<std::size_t> (TempoSyncUtility::Type::Free);
    std::size_t lengthIndex = defaultLengthIndex;
    float frequency = defaultFrequencyHz;
    PhaseOscillator oscillator;
};
} // namespace cvl
