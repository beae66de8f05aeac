#pragma once

#include "processor/PluginProcessor.h"

#include <functional>

namespace cvl::test
{
// Builds a processor, prepares it as a host would and runs generated signals through it.
class ProcessorHarness
{
public:
    // Fills channel c, sample n (counted from the start of the run) with a value.
    using Signal = std::function<float (int channel, juce::int64 sample)>;

    explicit ProcessorHarness (double sampleRate = 48000.0, int blockSize = 512, int channels = 2);

    CorvaneAudioProcessor& processor() noexcept { return *plugin; }

    // A normalised value, set and notified as a host does; throws for an unknown identifier.
    void set (const juce::String& identifier, float normalisedValue);
    [[nodiscard]] exl::Parameter& parameter (const juce::String& identifier) const;

    // Processes numSamples in blocks of the prepared size (the last one shorter) and returns the output.
    juce::AudioBuffer<float> process (juce::int64 numSamples, const Signal& signal);
    void processBlock (juce::AudioBuffer<float>& block);

    [[nodiscard]] double getSampleRate() const noexcept { return sampleRate; }
    [[nodiscard]] int getBlockSize() const noexcept { return blockSize; }

    static float silence (int, juce::int64) { return 0.0f; }

private:
    double sampleRate;
    int blockSize;
    int channels;
    juce::int64 samplesProcessed = 0;
    std::unique_ptr<CorvaneAudioProcessor> plugin;
    juce::MidiBuffer midi;
};

// A sine of the given frequency and amplitude, the same on every channel.
ProcessorHarness::Signal sine (double frequency, float amplitude, double sampleRate);
} // namespace cvl::test
