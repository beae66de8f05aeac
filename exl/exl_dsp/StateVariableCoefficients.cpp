#include "StateVariableCoefficients.h"

#include <complex>
#include <limits>

namespace exl::dsp
{
namespace
{
    template <typename Smoothed>
    void retarget (Smoothed& value, double target, bool jump) noexcept
    {
        if (jump)
            value.setCurrentAndTargetValue (target);
        else if (! StateVariableCoefficients::isSameTarget (value.getTargetValue(), target))
            value.setTargetValue (target);
    }
} // namespace

bool StateVariableCoefficients::isSameTarget (double a, double b) noexcept
{
    const auto difference = std::abs (a - b);
    return difference <= std::numeric_limits<double>::min() ||
           difference <= std::numeric_limits<double>::epsilon() * std::max (std::abs (a), std::abs (b));
}

StateVariableCoefficients::Values
StateVariableCoefficients::fromDirectForm (const std::array<double, 3>& b,
                                           const std::array<double, 3>& a) noexcept
{
    using Complex = std::complex<double>;
    const auto a1 = a[1];
    const auto a2 = a[2];
    // Both radicands are negative for a stable section, so P and Q are imaginary and the ratios real.
    const auto p = std::sqrt (Complex (-1.0 - a1 - a2));
    const auto q = std::sqrt (Complex (a1 - 1.0 - a2));
    const auto pq = p * q;
    Values v;
    v.g = (p / q).real();
    v.r = ((a2 - 1.0) / pq).real();
    v.highPass = (b[0] - b[1] + b[2]) / (1.0 - a1 + a2);
    v.bandPass = (-2.0 * (b[0] - b[2]) / pq).real();
    v.lowPass = (b[0] + b[1] + b[2]) / (1.0 + a1 + a2);
    return v;
}

void StateVariableCoefficients::fromDirect (const std::array<double, 3>& b,
                                            const std::array<double, 3>& a) noexcept
{
    const auto v = fromDirectForm (b, a);
    retarget (g, v.g, jumpNext);
    retarget (r, v.r, jumpNext);
    retarget (highPass, v.highPass, jumpNext);
    retarget (bandPass, v.bandPass, jumpNext);
    retarget (lowPass, v.lowPass, jumpNext);
    jumpNext = false;
}

void StateVariableCoefficients::setGlideSteps (int steps) noexcept
{
    for (auto* value : { &g, &r, &highPass, &bandPass, &lowPass })
        value->reset (steps);
}

StateVariableCoefficients::Values StateVariableCoefficients::getTargets() const noexcept
{
    return { g.getTargetValue(), r.getTargetValue(), highPass.getTargetValue(), bandPass.getTargetValue(),
             lowPass.getTargetValue() };
}

bool StateVariableCoefficients::isGliding() const noexcept
{
    return g.isSmoothing() || r.isSmoothing() || highPass.isSmoothing() || bandPass.isSmoothing() ||
           lowPass.isSmoothing();
}
} // namespace exl::dsp
