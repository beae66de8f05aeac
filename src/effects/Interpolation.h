#pragma once

#include <algorithm>

namespace cvl
{
// Linear interpolation from a (at f = 0) towards b, for 0 <= f < 1. Across a sign change (or a zero)
// the two-product form is exact at both ends; otherwise the one-product form is used and kept from
// overshooting b by rounding. Both forms are computed and one is selected, so the choice costs no
// branch on the signal's sign.
[[nodiscard]] inline float interpolate (float a, float b, float f) noexcept
{
    const bool acrossZero = ((a <= 0.0f) & (b >= 0.0f)) | ((a >= 0.0f) & (b <= 0.0f));
    const auto twoProducts = f * b + (1.0f - f) * a;
    const auto y = a + f * (b - a);
    const auto kept = b > a ? std::min (y, b) : std::max (y, b);
    return acrossZero ? twoProducts : kept;
}

// One step of a delay length moving towards its target by a fixed step, never past it.
[[nodiscard]] inline float rampTowards (float current, float target, float step) noexcept
{
    const auto up = std::min (current + step, target);
    const auto down = std::max (current - step, target);
    return current < target ? up : (current > target ? down : current);
}
} // namespace cvl
