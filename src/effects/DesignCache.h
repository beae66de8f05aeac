#pragma once

#include "modulation/Modulators.h"

#include <array>

namespace cvl
{
// Which voices of a slot need their filter sections designed again. A voice whose value and sample rate
// are those of its last design keeps its targets: the same design would give the same ones, which the
// bank would ignore. Anything else that shapes the design (type, order, the processors served) makes
// every voice stale. Audio thread.
class DesignCache
{
public:
    void invalidate() noexcept { stale.fill (true); }

    [[nodiscard]] bool needsDesign (std::size_t voice, float value, double sampleRate) const noexcept
    {
        return stale[voice] || value != values[voice] || sampleRate != rates[voice];
    }

    void designed (std::size_t voice, float value, double sampleRate) noexcept
    {
        values[voice] = value;
        rates[voice] = sampleRate;
        stale[voice] = false;
    }

private:
    std::array<float, maxVoices> values{};
    std::array<double, maxVoices> rates{};
    std::array<bool, maxVoices> stale{ true, true, true, true, true, true, true, true,
                                       true, true, true, true, true, true, true, true };
};
} // namespace cvl
