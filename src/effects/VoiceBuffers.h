#pragma once

#include "modulation/Modulators.h"

namespace cvl
{
// The voices of one channel of one sub-block: one sample buffer per active voice, all of one length.
// A view on buffers the engine owns and sized in preparation, so handing it around never allocates.
struct VoiceBuffers
{
    std::array<float*, maxVoices> voices{};
    std::size_t numVoices = 0;
    std::size_t numSamples = 0;

    [[nodiscard]] float* operator[] (std::size_t voice) const noexcept { return voices[voice]; }
};
} // namespace cvl
