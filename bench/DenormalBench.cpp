#include "processor/PluginProcessor.h"

#include <benchmark/benchmark.h>

#include <limits>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 512;

// Processing time per block for input at normal level against input at the smallest subnormal
// levels, and silence after a loud signal (where decaying feedback paths sink towards subnormals).
// The three should cost the same; a slower subnormal case means denormals are reaching the FPU.
enum class Input
{
    normal,
    subnormal,
    decayingTail
};

void processInput (benchmark::State& state, Input input)
{
    CorvaneAudioProcessor processor;
    processor.prepareToPlay (sampleRate, blockSize);
    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    const auto smallest = std::numeric_limits<float>::denorm_min();

    const auto fill = [&] (float level, int block)
    {
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < blockSize; ++i)
                buffer.setSample (c, i, ((i + block + c) % 2 == 0 ? level : -level));
    };
    if (input == Input::decayingTail)
        for (int block = 0; block < 200; ++block)
        {
            fill (0.5f, block);
            processor.processBlock (buffer, midi);
        }

    int block = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        if (input == Input::normal)
            fill (0.25f, block);
        else if (input == Input::subnormal)
            fill (smallest * static_cast<float> (1 + block % 64), block);
        else
            buffer.clear();
        ++block;
        state.ResumeTiming();
        processor.processBlock (buffer, midi);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
    }
    state.counters["rt_factor"] =
        benchmark::Counter (blockSize / sampleRate, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK_CAPTURE (processInput, normal, Input::normal);
BENCHMARK_CAPTURE (processInput, subnormal, Input::subnormal);
BENCHMARK_CAPTURE (processInput, decayingTail, Input::decayingTail);
} // namespace
