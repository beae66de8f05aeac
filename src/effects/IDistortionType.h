#pragma once

#include <cstddef>

namespace cvl
{
// One waveshaping algorithm for one voice. Audio thread; never allocates.
class IDistortionType
{
public:
    virtual ~IDistortionType() = default;

    // Distorts the samples in place: x (1 - mix) + mix y, with amount and mix in 0 ... 1.
    virtual void process (float* samples, std::size_t numSamples, float amount, float mix) noexcept = 0;
};
} // namespace cvl
