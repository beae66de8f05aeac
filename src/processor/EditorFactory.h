#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class CorvaneAudioProcessor;

namespace cvl
{
// The only bridge from the audio core to the editor library, which defines it.
juce::AudioProcessorEditor* createEditor (CorvaneAudioProcessor& processor);
} // namespace cvl
