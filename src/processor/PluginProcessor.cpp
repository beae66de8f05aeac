#include "PluginProcessor.h"

#include "models/PresetModel.h"
#include "models/PresetModelSync.h"
#include "parameters/ParameterTextFunctions.h"
#include "processor/EditorFactory.h"

#include <CorvaneStarterPreset.h>

const juce::Identifier CorvaneAudioProcessor::BypassParameter{ "Bypass" };
const juce::Identifier CorvaneAudioProcessor::VoiceCountParameter{ "VoiceCount" };

namespace
{
using LfoIds = cvl::LfoModulatorController::ParameterIds;
} // namespace

CorvaneAudioProcessor::CorvaneAudioProcessor()
    : exl::PluginProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      macros{ {
          { parameterDirector, 1 },
          { parameterDirector, 2 },
          { parameterDirector, 3 },
          { parameterDirector, 4 },
      } },
      lfoControllers{ {
          { parameterDirector, LfoIds (1), lfos[0] },
          { parameterDirector, LfoIds (2), lfos[1] },
          { parameterDirector, LfoIds (3), lfos[2] },
          { parameterDirector, LfoIds (4), lfos[3] },
          { parameterDirector, LfoIds (5), lfos[4] },
          { parameterDirector, LfoIds (6), lfos[5] },
      } },
      vectorSpaceControllers{ {
          { parameterDirector, 1, vectorSpaces[0] },
          { parameterDirector, 2, vectorSpaces[1] },
          { parameterDirector, 3, vectorSpaces[2] },
      } },
      engine (parameterDirector)
{
    declareVoiceCount();
    declareParameters();
    createParameters();
    // The starter sound; its values reach the audio objects at the first block's dispatch.
    setStateInformation (CorvaneStarterPreset::StarterPreset_corvane,
                         CorvaneStarterPreset::StarterPreset_corvaneSize);
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

void CorvaneAudioProcessor::declareVoiceCount()
{
    exl::IntParameterOptions options;
    options.identifier = VoiceCountParameter;
    options.minimum = 1;
    options.maximum = static_cast<int> (cvl::maxVoices);
    options.defaultValue = defaultVoiceCount;
    options.name = "Voices";
    options.textFunction = cvl::ParameterTextFunctions::Discrete;
    options.changeCallback = [this] (float value)
    {
        const auto voices =
            std::clamp (static_cast<int> (std::round (value)), 1, static_cast<int> (cvl::maxVoices));
        onVoiceCountChanged (voices);
        for (std::size_t k = 0; k < vectorSpaces.size(); ++k)
        {
            vectorSpaces[k].voiceCount = static_cast<std::size_t> (voices);
            vectorSpaceControllers[k].generateAndSetInitialShape();
        }
    };
    parameterDirector.external.getIntOptions().push_back (std::move (options));
}

void CorvaneAudioProcessor::onVoiceCountChanged (int voices) noexcept { engine.setVoiceCount (voices); }

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

void CorvaneAudioProcessor::prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock)
{
    splitter.prepare (sampleRate, maximumExpectedSamplesPerBlock);
    for (auto& lfo : lfos)
        lfo.setSampleRate (sampleRate);
    limiter.prepare (sampleRate);
    engine.prepare (getTotalNumOutputChannels(), sampleRate, maximumExpectedSamplesPerBlock);
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

void CorvaneAudioProcessor::processSubBlock (juce::AudioBuffer<float>& subBlock, double startBeat) noexcept
{
    // The values this sub-block uses come from the phases the previous sub-block left.
    for (std::size_t m = 0; m < macros.size(); ++m)
        monoValues[m] = macros[m].getValue();
    for (std::size_t l = 0; l < lfos.size(); ++l)
        monoValues[macros.size() + l] = lfos[l].getValue();

    for (const auto& controller : lfoControllers)
        controller.applyModulators (monoValues);
    for (auto& lfo : lfos)
        lfo.advance (subBlock.getNumSamples(), startBeat);

    for (std::size_t k = 0; k < vectorSpaces.size(); ++k)
    {
        vectorSpaceControllers[k].applyModulators (monoValues);
        vectorSpaces[k].performTransformation();
    }
    engine.process (subBlock, vectorSpaces);
}

void CorvaneAudioProcessor::publishValues() noexcept
{
    for (std::size_t i = 0; i < monoValues.size(); ++i)
        publishedMonoValues[i].store (monoValues[i]);

    const auto publish = [this] (cvl::PolyModulators::AtomicValueTable& table, auto spaceOf) noexcept
    {
        for (std::size_t k = 0; k < vectorSpaces.size(); ++k)
        {
            const cvl::VectorSpace& space = spaceOf (vectorSpaces[k]);
            for (std::size_t voice = 0; voice < cvl::maxVoices; ++voice)
                table[2 * k][voice].store (space.x[voice]);
            for (std::size_t voice = 0; voice < cvl::maxVoices; ++voice)
                table[2 * k + 1][voice].store (space.y[voice]);
        }
    };
    publish (publishedTransformedPolyValues,
             [] (const cvl::VectorSpaceProcessor& p) -> const cvl::VectorSpace& { return p.transformed; });
    publish (publishedInitialPolyValues,
             [] (const cvl::VectorSpaceProcessor& p) -> const cvl::VectorSpace& { return p.initial; });
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
void copyPolyRow (const cvl::PolyModulators::AtomicValueTable& from, cvl::PolyModulators::ValueTable& to,
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
