#pragma once

namespace exl::dsp
{
// A filter that can be prepared for a sample rate and cleared. Audio thread only.
class IFilter
{
public:
    virtual ~IFilter() = default;

    // Clears the signal state; coefficients are kept.
    virtual void reset() noexcept = 0;
    virtual void setSampleRate (double sampleRate) noexcept = 0;
};
} // namespace exl::dsp
