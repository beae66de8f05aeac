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

void BitCrush::process (float* samples, std::size_t numSamples, float amount, float mix) noexcept
{
    const auto step = 1.0f / ((1.0f - std::pow (amount, 0.5f)) * crushLevelRange + crushMinimumLevels);
    const auto levels = 1.0f / step;
    shape (samples, numSamples, mix, [=] (float x) { return std::round (x * levels) * step; });
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
