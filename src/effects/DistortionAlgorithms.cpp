#include "DistortionAlgorithms.h"

#include "effects/DistortionTypeLuts.h"

#include <algorithm>
#include <cmath>

namespace cvl
{
namespace
{
    constexpr float maxExtraDrive = 49.0f;
    constexpr float crushLevelRange = 60.0f;
    constexpr float crushMinimumLevels = 4.0f;
    constexpr float softClipMakeUp = 3.0f;

    float drive (float amount) noexcept { return 1.0f + maxExtraDrive * amount; }

    template <typename Shape>
    void shape (float* samples, std::size_t numSamples, float mix, Shape&& y) noexcept
    {
        const auto dry = 1.0f - mix;
        for (std::size_t i = 0; i < numSamples; ++i)
        {
            const auto x = samples[i];
            samples[i] = x * dry + mix * y (x);
        }
    }
} // namespace

// std::round (halves away from zero) from truncation, which vectorises where the library call does not:
// x - trunc (x) is exact, so comparing it with one half decides the same way.
float roundHalfAwayFromZero (float x) noexcept
{
    const auto whole = std::trunc (x);
    const auto carry = std::abs (x - whole) >= 0.5f ? 1.0f : 0.0f;
    return whole + std::copysign (carry, x);
}

namespace
{
    // The crusher's loop, compiled for the wider instruction sets too.
    [[gnu::target_clones ("avx512f", "avx2", "default")]] void
    crush (float* samples, std::size_t numSamples, float levels, float step, float mix) noexcept
    {
        shape (samples, numSamples, mix, [=] (float x) { return roundHalfAwayFromZero (x * levels) * step; });
    }
} // namespace

void BitCrush::process (float* samples, std::size_t numSamples, float amount, float mix) noexcept
{
    const auto step = 1.0f / ((1.0f - std::pow (amount, 0.5f)) * crushLevelRange + crushMinimumLevels);
    const auto levels = 1.0f / step;
    crush (samples, numSamples, levels, step, mix);
}

void SampleAndHold::process (float* samples, std::size_t numSamples, float amount, float mix) noexcept
{
    const auto holdLength = static_cast<int> (holdScale * amount + holdOffset);
    shape (samples, numSamples, mix,
           [this, holdLength] (float x)
           {
               if (++counter < holdLength)
                   return held;
               held = x;
               counter = 0;
               return x;
           });
}

void SoftClip::process (float* samples, std::size_t numSamples, float amount, float mix) noexcept
{
    const auto d = drive (amount);
    const auto makeUp = 1.0f + softClipMakeUp * amount;
    shape (samples, numSamples, mix,
           [=] (float x) { return std::tanh (d * x) * makeUp / std::pow (d, 1.0f - std::abs (x)); });
}

void HardClip::process (float* samples, std::size_t numSamples, float amount, float mix) noexcept
{
    const auto d = drive (amount);
    shape (samples, numSamples, mix, [=] (float x) { return std::clamp (d * x, -1.0f, 1.0f); });
}

void Sine::process (float* samples, std::size_t numSamples, float amount, float mix) noexcept
{
    const auto d = drive (amount);
    const auto level = DistortionTypeLuts::lookUp (DistortionTypeLuts::Sine, amount);
    shape (samples, numSamples, mix, [=] (float x) { return std::sin (d * x) * level; });
}

void Rectify::process (float* samples, std::size_t numSamples, float amount, float mix) noexcept
{
    const auto d = drive (amount);
    const auto level = DistortionTypeLuts::lookUp (DistortionTypeLuts::Rectify, amount);
    shape (samples, numSamples, mix, [=] (float x) { return std::abs (d * x) * level; });
}
} // namespace cvl
