#pragma once

#include <exl_dsp/exl_dsp.h>
#include <exl_processor/exl_processor.h>

#include "modulation/LfoModulatorController.h"
#include "modulation/MacroModulator.h"
#include "modulation/Modulators.h"
#include "modulation/VectorSpaceController.h"
#include "parameters/ParameterDirector.h"
#include "processor/BufferSplitter.h"
#include "processor/CorvaneProcessor.h"

// The plug-in processor the host creates.
// Threads: construction, createEditor, the state calls and the fill operations on the message thread;
// prepareToPlay, processBlock and every parameter change callback on the audio thread.
class CorvaneAudioProcessor final : public exl::PluginProcessor,
                                    public cvl::IMonoModulatorValuesAccess,
                                    public cvl::IPolyModulatorValuesAccess
{
public:
    static const juce::Identifier BypassParameter;
    static const juce::Identifier VoiceCountParameter;
    static constexpr int defaultVoiceCount = 8;
    // The voice engine keeps per-channel state for this many channels; wider layouts are refused.
    static constexpr int maxChannels = 11;

    CorvaneAudioProcessor();
    ~CorvaneAudioProcessor() override;

    const juce::String getName() const override { return "Corvane"; }
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;
    void prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using AudioProcessor::processBlock;
    juce::AudioProcessorParameter* getBypassParameter() const override;
    juce::AudioProcessorEditor* createEditor() override;

    void fillMonoModulationValueTable (cvl::MonoModulators::ValueTable& out) override;
    void fillTransformedPolyModulationValueTable (cvl::PolyModulators::ValueTable& out,
                                                  cvl::PolyModulatorId id) override;
    void fillInitialPolyModulationValueTable (cvl::PolyModulators::ValueTable& out,
                                              cvl::PolyModulatorId id) override;

    // Raised by each open editor, lowered when it closes; values are published only while above 0.
    std::atomic<int>& getOpenEditorCount() noexcept { return openEditorCount; }
    [[nodiscard]] bool isBypassed() const noexcept { return bypassed; }
    [[nodiscard]] double getBeatPosition() const noexcept { return lastBlockStartBeat; }
    // Audio thread: the three vector spaces the per-voice parameter computations read.
    [[nodiscard]] const cvl::VectorSpaceProcessors& getVectorSpaces() const noexcept { return vectorSpaces; }
    [[nodiscard]] const cvl::LfoModulator& getLfo (std::size_t index) const noexcept { return lfos[index]; }

    // Message thread: the preset tree's root, built with its folder watch on the first call.
    juce::ValueTree getPresetModel();

private:
    void declareParameters();
    void declareVoiceCount();
    // Audio thread, from the VoiceCount change callback, before the vector spaces take the new count:
    // the place where the voice engine resizes its voice buffers to `voices` (1 ... 16).
    void onVoiceCountChanged (int voices) noexcept;
    void createParameters();
    void processSubBlock (juce::AudioBuffer<float>& subBlock, double startBeat) noexcept;
    void publishValues() noexcept;

    std::atomic<int> openEditorCount{ 0 };
    cvl::ParameterDirector parameterDirector;
    bool bypassed = false;
    cvl::BufferSplitter splitter;
    double lastBlockStartBeat = 0.0;

    // The signal path, in processing order.
    std::array<cvl::MacroModulator, 4> macros;
    std::array<cvl::LfoModulator, 6> lfos{};
    std::array<cvl::LfoModulatorController, 6> lfoControllers;
    cvl::VectorSpaceProcessors vectorSpaces{};
    std::array<cvl::VectorSpaceController, 3> vectorSpaceControllers;

    cvl::MonoModulators::ValueTable monoValues{};
    cvl::MonoModulators::AtomicValueTable publishedMonoValues{};
    cvl::PolyModulators::AtomicValueTable publishedInitialPolyValues{};
    cvl::PolyModulators::AtomicValueTable publishedTransformedPolyValues{};

    exl::dsp::SafetyLimiter limiter;
    cvl::CorvaneProcessor engine;

    struct PresetModel;
    std::unique_ptr<PresetModel> presetModel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CorvaneAudioProcessor)
};
