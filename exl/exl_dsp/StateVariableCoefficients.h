#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <array>

namespace exl::dsp
{
// The five coefficients of a topology-preserving state-variable section: the integrator gain g, the
// damping R and the weights of the high-, band- and low-pass outputs. Each glides linearly to a new
// target over a configured number of samples. Audio thread only; never allocates.
class StateVariableCoefficients
{
public:
    struct Values
    {
        double g = 0.0, r = 0.0, highPass = 0.0, bandPass = 0.0, lowPass = 0.0;
    };

    // Section coefficients (b0, b1, b2) and (1, a1, a2) of a stable section, mapped to the
    // state-variable form that has the same transfer function.
    [[nodiscard]] static Values fromDirectForm (const std::array<double, 3>& b,
                                                const std::array<double, 3>& a) noexcept;

    // Values within the smallest normal double, or within 2^-52 of the larger magnitude, are the same
    // target: a recomputed but unchanged design must not restart a glide.
    [[nodiscard]] static bool isSameTarget (double a, double b) noexcept;

    // Sets the targets from direct-form coefficients; targets that are unchanged within rounding keep
    // their glide running.
    void fromDirect (const std::array<double, 3>& b, const std::array<double, 3>& a) noexcept;

    // Glide length in samples; the current values jump to the targets and nothing glides.
    void setGlideSteps (int steps) noexcept;
    // The next targets are taken at once (a section that has just joined a cascade).
    void jumpToNextTargets() noexcept { jumpNext = true; }

    // Advances every coefficient by one sample and returns the values to use for it.
    Values next() noexcept
    {
        return { g.getNextValue(), r.getNextValue(), highPass.getNextValue(), bandPass.getNextValue(),
                 lowPass.getNextValue() };
    }

    [[nodiscard]] Values getTargets() const noexcept;
    [[nodiscard]] bool isGliding() const noexcept;

private:
    using Smoothed = juce::SmoothedValue<double, juce::ValueSmoothingTypes::Linear>;
    Smoothed g, r, highPass, bandPass, lowPass;
    bool jumpNext = false;
};
} // namespace exl::dsp
