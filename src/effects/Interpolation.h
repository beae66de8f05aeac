#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

namespace cvl
{
// a where the condition holds, otherwise b, by bit masks: a choice made on the signal must not cost a
// branch that the signal's randomness would mispredict.
[[nodiscard]] inline float selectWithoutBranch (bool condition, float a, float b) noexcept
{
    const auto mask = static_cast<std::uint32_t> (-static_cast<std::int32_t> (condition));
    return std::bit_cast<float> ((std::bit_cast<std::uint32_t> (a) & mask) |
                                 (std::bit_cast<std::uint32_t> (b) & ~mask));
}

// Linear interpolation from a (at f = 0) towards b, for 0 <= f < 1. Across a sign change (or a zero)
// the two-product form is exact at both ends; otherwise the one-product form is used and kept from
// overshooting b by rounding. Both forms are computed and one is selected.
[[nodiscard]] inline float interpolate (float a, float b, float f) noexcept
{
    const bool acrossZero = ((a <= 0.0f) & (b >= 0.0f)) | ((a >= 0.0f) & (b <= 0.0f));
    const auto twoProducts = f * b + (1.0f - f) * a;
    const auto y = a + f * (b - a);
    const auto kept = selectWithoutBranch (b > a, std::min (y, b), std::max (y, b));
    return selectWithoutBranch (acrossZero, twoProducts, kept);
}

// One step of a delay length moving towards its target by a fixed step, never past it.
[[nodiscard]] inline float rampTowards (float current, float target, float step) noexcept
{
    const auto up = std::min (current + step, target);
    const auto down = std::max (current - step, target);
    return current < target ? up : (current > target ? down : current);
}
} // namespace cvl
