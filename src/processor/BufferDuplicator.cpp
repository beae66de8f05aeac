#include "BufferDuplicator.h"

#include <algorithm>
#include <cmath>

namespace cvl
{
void BufferDuplicator::prepare (int blockSize)
{
    capacity = std::max (capacity, static_cast<std::size_t> (std::max (blockSize, 0)));
    for (auto& buffer : buffers)
        buffer.resize (capacity, 0.0f);
}

void BufferDuplicator::setVoiceCount (int count) noexcept
{
    voiceCount = static_cast<std::size_t> (std::clamp (count, 0, static_cast<int> (maxVoices)));
}

VoiceBuffers BufferDuplicator::duplicate (const float* samples, std::size_t numSamples) noexcept
{
    VoiceBuffers voices;
    voices.numVoices = voiceCount;
    voices.numSamples = std::min (numSamples, capacity);
    if (voiceCount == 0)
        return voices;

    auto* first = buffers[0].data();
    for (std::size_t i = 0; i < voices.numSamples; ++i)
        first[i] = std::isfinite (samples[i]) ? samples[i] : 0.0f;
    voices.voices[0] = first;
    for (std::size_t v = 1; v < voiceCount; ++v)
    {
        std::copy_n (first, voices.numSamples, buffers[v].data());
        voices.voices[v] = buffers[v].data();
    }
    return voices;
}
} // namespace cvl
