#include "processor/PluginProcessor.h"

#include <benchmark/benchmark.h>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 512;

// Time per 512-sample stereo block at 48 kHz; "rt_factor" is audio time over processing time.
void processorBlock (benchmark::State& state)
{
    CorvaneAudioProcessor processor;
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
    state.counters["rt_factor"] = benchmark::Counter (blockSize / sampleRate, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK (processorBlock);

void processorConstruction (benchmark::State& state)
{
    for (auto _ : state)
    {
        auto processor = std::make_unique<CorvaneAudioProcessor>();
        benchmark::DoNotOptimize (processor.get());
    }
}
BENCHMARK (processorConstruction)->Unit (benchmark::kMillisecond);
} // namespace
