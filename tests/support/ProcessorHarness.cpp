#include "ProcessorHarness.h"

#include <stdexcept>

namespace cvl::test
{
ProcessorHarness::ProcessorHarness (double rate, int size, int channelCount)
    : sampleRate (rate), blockSize (size), channels (channelCount),
      plugin (std::make_unique<CorvaneAudioProcessor>())
{
    const auto layout = juce::AudioChannelSet::canonicalChannelSet (channels);
    juce::AudioProcessor::BusesLayout buses;
    buses.inputBuses.add (layout);
    buses.outputBuses.add (layout);
    if (! plugin->setBusesLayout (buses))
        throw std::runtime_error ("layout refused");
    plugin->setRateAndBufferSizeDetails (sampleRate, blockSize);
    plugin->prepareToPlay (sampleRate, blockSize);
}

exl::Parameter& ProcessorHarness::parameter (const juce::String& identifier) const
{
    auto* found = plugin->findParameter (juce::Identifier (identifier));
    if (found == nullptr)
        throw std::runtime_error ("unknown parameter " + identifier.toStdString());
    return *found;
}

void ProcessorHarness::set (const juce::String& identifier, float normalisedValue)
{
    auto& p = parameter (identifier);
    p.beginChangeGesture();
    p.setValueNotifyingHost (normalisedValue);
    p.endChangeGesture();
}

void ProcessorHarness::processBlock (juce::AudioBuffer<float>& block) { plugin->processBlock (block, midi); }

juce::AudioBuffer<float> ProcessorHarness::process (juce::int64 numSamples, const Signal& signal)
{
    juce::AudioBuffer<float> output (channels, static_cast<int> (numSamples));
    juce::AudioBuffer<float> block (channels, blockSize);
    for (juce::int64 start = 0; start < numSamples; start += blockSize)
    {
        const auto length = static_cast<int> (std::min<juce::int64> (blockSize, numSamples - start));
        block.setSize (channels, length, false, false, true);
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < length; ++i)
                block.setSample (c, i, signal (c, samplesProcessed + i));
        processBlock (block);
        for (int c = 0; c < channels; ++c)
            output.copyFrom (c, static_cast<int> (start), block, c, 0, length);
        samplesProcessed += length;
    }
    return output;
}

ProcessorHarness::Signal sine (double frequency, float amplitude, double sampleRate)
{
    return [=] (int, juce::int64 n)
    {
        return amplitude * static_cast<float> (std::sin (juce::MathConstants<double>::twoPi * frequency *
                                                         static_cast<double> (n) / sampleRate));
    };
}
} // namespace cvl::test
