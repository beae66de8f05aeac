#pragma once

#include "StateVariableCoefficients.h"

namespace exl::dsp
{
// One second-order section: its direct-form design and the state-variable section that runs it.
// Audio thread only.
struct Stage
{
    // The most sections a cascade holds (a fourth-order band design, a four-stage all-pass).
    static constexpr std::size_t maximumCount = 4;

    double input = 0.0;
    double s1 = 0.0, s2 = 0.0; // integrator states
    double output = 0.0;
    std::array<double, 3> b{}; // numerator, normalised by a0
    std::array<double, 3> a{}; // denominator, a0 = 1
    StateVariableCoefficients coefficients;

    void setDirect (const std::array<double, 3>& numerator, const std::array<double, 3>& denominator) noexcept
    {
        b = numerator;
        a = denominator;
        coefficients.fromDirect (b, a);
    }

    // Zero state; the section's first design is taken without a glide.
    void clear() noexcept
    {
        input = s1 = s2 = output = 0.0;
        coefficients.jumpToNextTargets();
    }

    // One sample through the section, gliding the coefficients by one step.
    double tick (double x) noexcept
    {
        const auto c = coefficients.next();
        input = x;
        const auto highPass = (x - (c.g + 2.0 * c.r) * s1 - s2) / (1.0 + 2.0 * c.r * c.g + c.g * c.g);
        const auto bandPass = c.g * highPass + s1;
        const auto lowPass = c.g * bandPass + s2;
        s1 += 2.0 * c.g * highPass;
        s2 += 2.0 * c.g * bandPass;
        output = c.highPass * highPass + c.bandPass * bandPass + c.lowPass * lowPass;
        return output;
    }
};
} // namespace exl::dsp
