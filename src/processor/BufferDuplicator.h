#pragma once

#include "effects/VoiceBuffers.h"

#include <vector>

namespace cvl
{
// The voice buffers of the engine: 16 buffers sized once for the largest block, of which the first
// (voice count) are in use. Changing the voice count only changes how many are handed out.
// Threads: prepare on the audio thread inside prepareToPlay (allocates); the rest on the audio
// thread, never allocating.
class BufferDuplicator
{
public:
    void prepare (int blockSize);

    // Clamped to 0 ... 16.
    void setVoiceCount (int count) noexcept;
    [[nodiscard]] std::size_t getVoiceCount() const noexcept { return voiceCount; }
    // The longest run of samples one duplicate can hold.
    [[nodiscard]] std::size_t getCapacity() const noexcept { return capacity; }

    // Copies numSamples (at most the capacity) into every voice in use, a non-finite sample as 0.
    [[nodiscard]] VoiceBuffers duplicate (const float* samples, std::size_t numSamples) noexcept;

private:
    std::array<std::vector<float>, maxVoices> buffers;
    std::size_t voiceCount = 0;
    std::size_t capacity = 0;
};
} // namespace cvl
