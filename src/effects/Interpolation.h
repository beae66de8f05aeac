#pragma once

namespace cvl
{
// Linear interpolation from a (at f = 0) towards b, for 0 <= f < 1. Across a sign change (or a zero)
// the two-product form is exact at both ends; otherwise the one-product form is used and kept from
// overshooting b by rounding.
[[nodiscard]] inline float interpolate (float a, float b, float f) noexcept
{
    if ((a <= 0.0f && b >= 0.0f) || (a >= 0.0f && b <= 0.0f))
        return f * b + (1.0f - f) * a;
    const auto y = a + f * (b - a);
    return b > a ? (y > b ? b : y) : (y < b ? b : y);
}
} // namespace cvl
