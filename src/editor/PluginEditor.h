#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class CorvaneAudioProcessor;

// The editor window. While it exists the processor publishes its modulator values.
class CorvaneAudioProcessorEditor final : public juce::AudioProcessorEditor
{
public:
    explicit CorvaneAudioProcessorEditor (CorvaneAudioProcessor& processor);
    ~CorvaneAudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;

private:
    CorvaneAudioProcessor& corvaneProcessor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CorvaneAudioProcessorEditor)
};
