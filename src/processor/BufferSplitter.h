#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

namespace cvl
{
// Follows the host tempo and walks a host block in sub-blocks, each a view on the same channels.
// Audio thread only.
class BufferSplitter
{
public:
    static constexpr double defaultIntervalMs = 10000.0;
    static constexpr double fallbackTempo = 120.0;

    // maximumBlockSize is the largest block the host promised; longer blocks are walked in pieces
    // of at most that length, so that nothing downstream ever sees more samples than it was sized for.
    void prepare (double newSampleRate, int maximumBlockSize) noexcept
    {
        sampleRate = newSampleRate;
        intervalMs = defaultIntervalMs;
        maximumSubBlockLength = std::max (maximumBlockSize, 1);
    }

    // Calls processSubBlock (juce::AudioBuffer<float>& view, double startBeat) for each sub-block.
    template <typename ProcessSubBlock>
    void process (juce::AudioBuffer<float>& buffer, juce::AudioPlayHead* playHead,
                  ProcessSubBlock&& processSubBlock)
    {
        const auto numSamples = buffer.getNumSamples();
        const auto position = playHead != nullptr ? playHead->getPosition()
                                                  : juce::Optional<juce::AudioPlayHead::PositionInfo>();

        // A tempo that is not a finite number holds the counted position where it is; counting with
        // it would leave the position infinite for good.
        auto beatsPerSample = 0.0;
        if (position.hasValue())
        {
            const auto bpm = position->getBpm().orFallback (fallbackTempo);
            beatsPerSample = std::isfinite (bpm) ? bpm / (sampleRate * 60.0) : 0.0;
        }
        beatPosition += numSamples * beatsPerSample;
        if (! std::isfinite (beatPosition))
            beatPosition = 0.0;

        auto startBeat = 0.0;
        if (position.hasValue())
            startBeat = position->getPpqPosition().orFallback (beatPosition);

        const auto subBlockLength = getSubBlockLength (numSamples);
        for (int start = 0; start < numSamples; start += subBlockLength)
        {
            const auto length = std::min (subBlockLength, numSamples - start);
            // Refers to the host's channels; up to 32 channel pointers live inside the buffer object.
            juce::AudioBuffer<float> view (buffer.getArrayOfWritePointers(), buffer.getNumChannels(), start,
                                           length);
            processSubBlock (view, startBeat);
            startBeat += length * beatsPerSample;
        }
    }

    [[nodiscard]] double getSampleRate() const noexcept { return sampleRate; }
    [[nodiscard]] double getRunningBeatPosition() const noexcept { return beatPosition; }

private:
    int getSubBlockLength (int numSamples) const noexcept
    {
        const auto length = static_cast<int> (intervalMs / 1000.0 * sampleRate);
        const auto wanted = intervalMs == 0.0 || length <= 0 ? std::max (numSamples, 1) : length;
        return std::min (wanted, maximumSubBlockLength);
    }

    double sampleRate = 44100.0;
    double beatPosition = 0.0;
    double intervalMs = defaultIntervalMs;
    int maximumSubBlockLength = std::numeric_limits<int>::max();
};
} // namespace cvl
