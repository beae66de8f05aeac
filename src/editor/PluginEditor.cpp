#include "PluginEditor.h"

#include "processor/EditorFactory.h"
#include "processor/PluginProcessor.h"

namespace
{
constexpr int editorWidth = 1000;
constexpr int editorHeight = 920;
} // namespace

CorvaneAudioProcessorEditor::CorvaneAudioProcessorEditor (CorvaneAudioProcessor& processorToEdit)
    : juce::AudioProcessorEditor (processorToEdit), corvaneProcessor (processorToEdit)
{
    ++corvaneProcessor.getOpenEditorCount();
    setSize (editorWidth, editorHeight);
}

CorvaneAudioProcessorEditor::~CorvaneAudioProcessorEditor() { --corvaneProcessor.getOpenEditorCount(); }

void CorvaneAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff1b1d22));
    g.setColour (juce::Colours::white);
    g.setFont (24.0f);
    g.drawText ("Corvane", getLocalBounds(), juce::Justification::centred);
}

namespace cvl
{
juce::AudioProcessorEditor* createEditor (CorvaneAudioProcessor& processor)
{
    return new CorvaneAudioProcessorEditor (processor);
}
} // namespace cvl
