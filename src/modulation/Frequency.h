#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

namespace cvl
{
// The 20 Hz to 20 kHz mapping of normalised cutoff values, shared by the filter, the all-pass and
// the frequency text.
struct Frequency
{
    static constexpr float minimumHz = 20.0f;
    static constexpr float spanHz = 19980.0f;

    // 20 for 0, otherwise 20 + 19980^sqrt(v), in single precision.
    [[nodiscard]] static float toHz (float normalised) noexcept;
    // 0 for 20 Hz, otherwise (ln(f - 20) / ln 19980)^2.
    [[nodiscard]] static float toNormalised (float hz) noexcept;

    static const juce::NormalisableRange<float> Range;
};
} // namespace cvl
