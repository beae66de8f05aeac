#pragma once

#include "effects/IDistortionType.h"

namespace cvl
{
// The six waveshapers. With a = amount, m = mix and x the input, each outputs x (1 - m) + m y, where
// the drive D = 1 + 49 a scales the input of the clipping and folding shapes.

// y = x quantised to (1 - sqrt a) 60 + 4 levels per unit, halves rounded away from zero.
// std::round, computed from truncation so that a loop of it vectorises.
[[nodiscard]] float roundHalfAwayFromZero (float x) noexcept;

class BitCrush final : public IDistortionType
{
public:
    void process (float* samples, std::size_t numSamples, float amount, float mix) noexcept override;
};

// y = the input held for int (31.9 a + 0.1) samples; the hold runs on across blocks.
class SampleAndHold final : public IDistortionType
{
public:
    static constexpr float holdScale = 31.9f;
    static constexpr float holdOffset = 0.1f;

    void process (float* samples, std::size_t numSamples, float amount, float mix) noexcept override;

private:
    float held = 0.0f;
    int counter = 0;
};

// y = tanh (D x) (1 + 3 a) / D^(1 - |x|).
class SoftClip final : public IDistortionType
{
public:
    void process (float* samples, std::size_t numSamples, float amount, float mix) noexcept override;
};

// y = D x clamped to -1 ... 1.
class HardClip final : public IDistortionType
{
public:
    void process (float* samples, std::size_t numSamples, float amount, float mix) noexcept override;
};

// y = sin (D x), levelled by the measured compensation for a.
class Sine final : public IDistortionType
{
public:
    void process (float* samples, std::size_t numSamples, float amount, float mix) noexcept override;
};

// y = |D x|, levelled by the measured compensation for a.
class Rectify final : public IDistortionType
{
public:
    void process (float* samples, std::size_t numSamples, float amount, float mix) noexcept override;
};
} // namespace cvl
