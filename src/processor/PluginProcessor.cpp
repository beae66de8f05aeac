#include "PluginProcessor.h"

#include "models/PresetModel.h"
#include "models/PresetModelSync.h"
#include "processor/EditorFactory.h"

#include <CorvaneStarterPreset.h>

const juce::Identifier CorvaneAudioProcessor::BypassParameter { "Bypass" };

CorvaneAudioProcessor::CorvaneAudioProcessor()
    : exl::PluginProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
{
    declareParameters();
    createParameters();
    // The starter sound; its values reach the audio objects at the first block's dispatch.
    setStateInformation (CorvaneStarterPreset::StarterPreset_corvane, CorvaneStarterPreset::StarterPreset_corvaneSize);
}

// The sync is declared last so that it goes first.
struct CorvaneAudioProcessor::PresetModel
{
    explicit PresetModel (CorvaneAudioProcessor& processor)
        : model (cvl::PresetModel::getDefaultFactoryFolder(), cvl::PresetModel::getDefaultUserFolder()),
          sync (model.getRoot(), processor)
    {
    }
    cvl::PresetModel model;
    cvl::PresetModelSync sync;
};

CorvaneAudioProcessor::~CorvaneAudioProcessor() = default;

juce::ValueTree CorvaneAudioProcessor::getPresetModel()
{
    if (presetModel == nullptr)
        presetModel = std::make_unique<PresetModel> (*this);
    return presetModel->model.getRoot();
}

void CorvaneAudioProcessor::declareParameters()
{
    auto& bypass = parameterDirector.external.addBool (BypassParameter, false);
    bypass.name = "Bypass";
    bypass.changeCallback = [this] (float value) { bypassed = value != 0.0f; };
}

void CorvaneAudioProcessor::createParameters()
{
    exl::ParameterCreationHandler externalHandler (*this);
    parameterDirector.external.createParameters (externalHandler);
    exl::PrivateParameterCreationHandler internalHandler (*this);
    parameterDirector.internal.createParameters (internalHandler);
}

bool CorvaneAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    for (const auto* buses : { &layouts.inputBuses, &layouts.outputBuses })
        for (const auto& bus : *buses)
            if (bus.size() > maxChannels)
                return false;
    return true;
}

void CorvaneAudioProcessor::prepareToPlay (double sampleRate, int)
{
    splitter.prepare (sampleRate);
    limiter.prepare (sampleRate);
    // The limiter delays what it processes, and it processes stereo buffers only.
    const auto channels = std::max (getTotalNumInputChannels(), getTotalNumOutputChannels());
    setLatencySamples (channels == 2 ? limiter.getLatencyInSamples() : 0);
}

void CorvaneAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;
    dispatchParameterChanges();
    if (bypassed)
        return;

    const auto limited = buffer.getNumChannels() == 2;
    auto firstSubBlock = true;
    splitter.process (buffer, getPlayHead(),
                      [&] (juce::AudioBuffer<float>& subBlock, double startBeat)
                      {
                          if (firstSubBlock)
                              lastBlockStartBeat = startBeat;
                          firstSubBlock = false;
                          processSubBlock (subBlock, startBeat);
                          if (limited)
                              limiter.process (subBlock.getWritePointer (0), subBlock.getWritePointer (1),
                                               subBlock.getNumSamples());
                      });

    if (openEditorCount.load() > 0)
        publishValues();
}

void CorvaneAudioProcessor::processSubBlock (juce::AudioBuffer<float>&, double) noexcept {}

void CorvaneAudioProcessor::publishValues() noexcept
{
    for (std::size_t i = 0; i < monoValues.size(); ++i)
        publishedMonoValues[i].store (monoValues[i]);
}

juce::AudioProcessorParameter* CorvaneAudioProcessor::getBypassParameter() const
{
    return findParameter (BypassParameter);
}

juce::AudioProcessorEditor* CorvaneAudioProcessor::createEditor() { return cvl::createEditor (*this); }

void CorvaneAudioProcessor::fillMonoModulationValueTable (cvl::MonoModulators::ValueTable& out)
{
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = publishedMonoValues[i].load();
}

namespace
{
void copyPolyRow (const cvl::PolyModulators::AtomicValueTable& from,
                  cvl::PolyModulators::ValueTable& to,
                  cvl::PolyModulatorId id) noexcept
{
    auto row = cvl::PolyModulators::index (id);
    if (row >= cvl::PolyModulators::Count)
        row = 0;
    for (std::size_t voice = 0; voice < cvl::maxVoices; ++voice)
        to[row][voice] = from[row][voice].load();
}
} // namespace

void CorvaneAudioProcessor::fillTransformedPolyModulationValueTable (cvl::PolyModulators::ValueTable& out,
                                                                      cvl::PolyModulatorId id)
{
    copyPolyRow (publishedTransformedPolyValues, out, id);
}

void CorvaneAudioProcessor::fillInitialPolyModulationValueTable (cvl::PolyModulators::ValueTable& out,
                                                                  cvl::PolyModulatorId id)
{
    copyPolyRow (publishedInitialPolyValues, out, id);
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter() { return new CorvaneAudioProcessor(); }
