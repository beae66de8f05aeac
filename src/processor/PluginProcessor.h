#pragma once

#include <exl_dsp/exl_dsp.h>
#include <exl_processor/exl_processor.h>

#include "modulation/Modulators.h"
#include "parameters/ParameterDirector.h"
#include "processor/BufferSplitter.h"

// The plug-in processor the host creates.
// Threads: construction, createEditor, the state calls and the fill operations on the message thread;
// prepareToPlay, processBlock and every parameter change callback on the audio thread.
class CorvaneAudioProcessor final : public exl::PluginProcessor,
                                    public cvl::IMonoModulatorValuesAccess,
                                    public cvl::IPolyModulatorValuesAccess
{
public:
    static const juce::Identifier BypassParameter;
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
    void fillTransformedPolyModulationValueTable (cvl::PolyModulators::ValueTable& out, cvl::PolyModulatorId id) override;
    void fillInitialPolyModulationValueTable (cvl::PolyModulators::ValueTable& out, cvl::PolyModulatorId id) override;

    // Raised by each open editor, lowered when it closes; values are published only while above 0.
    std::atomic<int>& getOpenEditorCount() noexcept { return openEditorCount; }
    [[nodiscard]] bool isBypassed() const noexcept { return bypassed; }
    [[nodiscard]] double getBeatPosition() const noexcept { return lastBlockStartBeat; }

    // Message thread: the preset tree's root, built with its folder watch on the first call.
    juce::ValueTree getPresetModel();

private:
    void declareParameters();
    void createParameters();
    void processSubBlock (juce::AudioBuffer<float>& subBlock, double startBeat) noexcept;
    void publishValues() noexcept;

    std::atomic<int> openEditorCount { 0 };
    cvl::ParameterDirector parameterDirector;
    bool bypassed = false;
    cvl::BufferSplitter splitter;
    double lastBlockStartBeat = 0.0;

    cvl::MonoModulators::ValueTable monoValues {};
    cvl::MonoModulators::AtomicValueTable publishedMonoValues {};
    cvl::PolyModulators::AtomicValueTable publishedInitialPolyValues {};
    cvl::PolyModulators::AtomicValueTable publishedTransformedPolyValues {};

    exl::dsp::SafetyLimiter limiter;

    struct PresetModel;
    std::unique_ptr<PresetModel> presetModel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CorvaneAudioProcessor)
};
