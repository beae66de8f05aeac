#pragma once

#include "effects/VoiceBuffers.h"

#include <vector>

namespace cvl::test
{
// Owns the voice buffers an effect processes and hands out the view it takes.
struct VoiceSet
{
    std::vector<std::vector<float>> buffers;

    VoiceSet (std::size_t numVoices, std::size_t numSamples)
        : buffers (numVoices, std::vector<float> (numSamples))
    {
    }

    VoiceBuffers view()
    {
        VoiceBuffers voices;
        voices.numVoices = buffers.size();
        voices.numSamples = buffers.empty() ? 0 : buffers.front().size();
        for (std::size_t v = 0; v < buffers.size(); ++v)
            voices.voices[v] = buffers[v].data();
        return voices;
    }
};
} // namespace cvl::test
