#pragma once

#include "effects/DistortionType.h"

#include <array>

namespace cvl
{
// Measured output-level compensation of the folding shapers, 101 entries: entry k belongs to
// amount k / 100. Constant data, read by the audio thread without locking.
struct DistortionTypeLuts
{
    static constexpr std::size_t Size = 101;
    using Table = std::array<float, Size>;

    static const Table Sine;
    static const Table Rectify;

    // The compensation table of a type, or null for the types that need none.
    [[nodiscard]] static const Table* find (DistortionType type) noexcept;

    // The table interpolated at amount (0 ... 1; outside values are held at the ends).
    [[nodiscard]] static float lookUp (const Table& table, float amount) noexcept;
};
} // namespace cvl
