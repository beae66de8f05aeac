#include "processor/PluginProcessor.h"

#include <benchmark/benchmark.h>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 512;

// Normalised values for the slot-type and choice parameters.
constexpr float typeValue (int type) { return static_cast<float> (type) / 6.0f; }

void setParameter (CorvaneAudioProcessor& processor, const juce::String& id, float value)
{
    if (auto* parameter = processor.findParameter (juce::Identifier (id)))
        parameter->setValueNotifyingHost (value);
}

// Every per-voice parameter of every slot gets all six poly amounts, different per modulator, so
// each voice has its own values.
void modulateEverything (CorvaneAudioProcessor& processor)
{
    juce::Random random (9);
    for (auto* parameter : processor.getParameterRegistry().getOrderedParameters())
    {
        const auto id = parameter->getIdentifier().toString();
        if (id.contains ("_Effect_VectorSpace") || id.contains ("_Lfo") || id.contains ("Transform"))
            parameter->setValueNotifyingHost (0.5f + (random.nextFloat() - 0.5f) * 0.6f);
    }
}

void setSlots (CorvaneAudioProcessor& processor, int type1, int type2, int type3)
{
    setParameter (processor, "ProcessorType1", typeValue (type1));
    setParameter (processor, "ProcessorType2", typeValue (type2));
    setParameter (processor, "ProcessorType3", typeValue (type3));
}

// Time per 512-sample stereo block at 48 kHz; "rt_factor" is audio time over processing time.
template <typename Setup>
void runBlocks (benchmark::State& state, Setup&& setup)
{
    CorvaneAudioProcessor processor;
    setup (processor);
    processor.setRateAndBufferSizeDetails (sampleRate, blockSize);
    processor.prepareToPlay (sampleRate, blockSize);
    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    juce::Random random (1);
    for (auto _ : state)
    {
        state.PauseTiming();
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < blockSize; ++i)
                buffer.setSample (c, i, random.nextFloat() * 0.5f - 0.25f);
        state.ResumeTiming();
        processor.processBlock (buffer, midi);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
    }
    state.counters["rt_factor"] =
        benchmark::Counter (blockSize / sampleRate, benchmark::Counter::kIsIterationInvariantRate);
}

void starterState (benchmark::State& state)
{
    runBlocks (state, [] (CorvaneAudioProcessor&) {});
}
BENCHMARK (starterState)->Unit (benchmark::kMicrosecond);

// One effect in slot 1, the other slots empty, 16 voices, every amount non-zero.
void effectAlone (benchmark::State& state)
{
    const auto type = static_cast<int> (state.range (0));
    runBlocks (state,
               [type] (CorvaneAudioProcessor& processor)
               {
                   modulateEverything (processor);
                   setParameter (processor, "VoiceCount", 1.0f);
                   setSlots (processor, type, 0, 0);
               });
    static const char* names[] = {
        "None", "Allpass", "Balance", "Delay", "Diffuser", "Distortion", "Filter"
    };
    state.SetLabel (names[type]);
}
BENCHMARK (effectAlone)->DenseRange (1, 6)->Unit (benchmark::kMicrosecond);

// 16 voices; Allpass with 4 stages, Diffuser, band-pass Filter at 24 dB/octave; every amount non-zero,
// every transform enabled and the LFOs running.
void worstCase (benchmark::State& state)
{
    runBlocks (
        state,
        [] (CorvaneAudioProcessor& processor)
        {
            modulateEverything (processor);
            setParameter (processor, "VoiceCount", 1.0f);
            setSlots (processor, 1, 4, 6);
            setParameter (processor, "AllpassOrder0_Effect", 1.0f);
            setParameter (processor, "FilterType2_Effect", 2.0f / 3.0f);
            setParameter (processor, "FilterOrder2_Effect", 1.0f);
            for (int k = 1; k <= 3; ++k)
                for (int t = 1; t <= 4; ++t)
                {
                    const auto suffix = "_VectorSpace" + juce::String (k) + "Transform" + juce::String (t);
                    setParameter (processor, "Enable" + suffix, 1.0f);
                    setParameter (processor, "Type" + suffix, static_cast<float> (1 + (k + t) % 7) / 7.0f);
                }
        });
}
BENCHMARK (worstCase)->Unit (benchmark::kMicrosecond);

void processorConstruction (benchmark::State& state)
{
    for (auto _ : state)
    {
        auto processor = std::make_unique<CorvaneAudioProcessor>();
        benchmark::DoNotOptimize (processor.get());
    }
}
BENCHMARK (processorConstruction)->Unit (benchmark::kMillisecond);

void setStateOfAFullState (benchmark::State& state)
{
    CorvaneAudioProcessor source;
    modulateEverything (source);
    juce::MemoryBlock data;
    source.getStateInformation (data);
    CorvaneAudioProcessor target;
    for (auto _ : state)
        target.setStateInformation (data.getData(), static_cast<int> (data.getSize()));
}
BENCHMARK (setStateOfAFullState)->Unit (benchmark::kMillisecond);
} // namespace
