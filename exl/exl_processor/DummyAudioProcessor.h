#pragma once

#include "PluginProcessor.h"

namespace exl
{
// Owns the internal parameters of a PluginProcessor; never processes audio.
class DummyAudioProcessor final : public PluginProcessor
{
public:
    DummyAudioProcessor();

    const juce::String getName() const override { return "Dummy"; }
    void prepareToPlay (double, int) override {}
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
    using AudioProcessor::processBlock;
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }
};
} // namespace exl
