// The plain reference models of the tests, timed on the same work as the processor benchmarks:
// 48 kHz stereo, 512-sample blocks, 16 voices whose values change every block.
#include "reference/ReferenceChain.h"

#include <benchmark/benchmark.h>

#include <random>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr std::size_t blockSize = 512;
constexpr std::size_t voices = 16;
constexpr int channels = 2;
// The plain delay lines keep every sample ever written; a bounded run keeps their memory small.
constexpr benchmark::IterationCount iterations = 400;

using cvl::reference::ReferenceChain;
using Voices = std::vector<std::vector<float>>;

void fill (Voices& set, std::mt19937& random)
{
    std::uniform_real_distribution<float> noise (-0.25f, 0.25f);
    const auto x = noise (random);
    for (auto& voice : set)
        for (auto& sample : voice)
            sample = x + noise (random) * 0.01f;
}

std::vector<ReferenceChain::VoiceValues> moveVoices (std::mt19937& random)
{
    std::uniform_real_distribution<float> unit (0.1f, 0.9f);
    std::vector<ReferenceChain::VoiceValues> values (voices);
    for (auto& v : values)
        v = { unit (random), unit (random), unit (random), unit (random), unit (random) };
    return values;
}

void reportRealTime (benchmark::State& state)
{
    state.counters["rt_factor"] = benchmark::Counter (static_cast<double> (blockSize) / sampleRate,
                                                      benchmark::Counter::kIsIterationInvariantRate);
}

// Time per block of one plain effect (or the chain) over both channels, the input copied into the voices.
template <typename Model, typename Process>
void runReference (benchmark::State& state, Process&& process)
{
    std::vector<Model> models;
    for (int c = 0; c < channels; ++c)
        models.emplace_back (sampleRate, voices);
    std::mt19937 random (1);
    Voices set (voices, std::vector<float> (blockSize));
    for (auto _ : state)
    {
        const auto values = moveVoices (random);
        for (auto& model : models)
        {
            state.PauseTiming();
            fill (set, random);
            state.ResumeTiming();
            process (model, set, values);
            benchmark::DoNotOptimize (set.front().data());
        }
    }
    reportRealTime (state);
}

void referenceWorstCaseChain (benchmark::State& state)
{
    runReference<ReferenceChain> (state, [] (ReferenceChain& chain, Voices& set, const auto& values)
                                  { chain.process (set, values); });
}
BENCHMARK (referenceWorstCaseChain)->Unit (benchmark::kMicrosecond)->Iterations (iterations);

// One plain cascade per voice, designed every block.
struct CascadeModel
{
    std::vector<cvl::reference::VoiceCascade> cascades;
    double rate;
    CascadeModel (double fs, std::size_t count) : cascades (count), rate (fs)
    {
        for (auto& cascade : cascades)
        {
            cascade.setStages (1);
            cascade.setSampleRate (fs);
        }
    }
};

void referenceAllpassAlone (benchmark::State& state)
{
    runReference<CascadeModel> (
        state,
        [] (CascadeModel& model, Voices& set, const auto& values)
        {
            for (std::size_t v = 0; v < set.size(); ++v)
            {
                const auto hz = static_cast<double> (ReferenceChain::toHz (values[v].allpassCutoff));
                model.cascades[v].design ({ cvl::reference::allpassSection (hz, model.rate) });
                for (auto& x : set[v])
                    x = model.cascades[v].process (x);
            }
        });
}
BENCHMARK (referenceAllpassAlone)->Unit (benchmark::kMicrosecond)->Iterations (iterations);

void referenceFilterAlone (benchmark::State& state)
{
    runReference<CascadeModel> (
        state,
        [] (CascadeModel& model, Voices& set, const auto& values)
        {
            for (std::size_t v = 0; v < set.size(); ++v)
            {
                const auto hz = static_cast<double> (ReferenceChain::toHz (values[v].filterCutoff));
                model.cascades[v].design (
                    cvl::reference::butterworth (cvl::reference::FilterType::LowPass, hz, model.rate, 1));
                for (auto& x : set[v])
                    x = model.cascades[v].process (x);
            }
        });
}
BENCHMARK (referenceFilterAlone)->Unit (benchmark::kMicrosecond)->Iterations (iterations);

void referenceDiffuserAlone (benchmark::State& state)
{
    runReference<cvl::reference::ReferenceDiffuser> (
        state,
        [] (cvl::reference::ReferenceDiffuser& diffuser, Voices& set, const auto& values)
        {
            for (std::size_t v = 0; v < set.size(); ++v)
                diffuser.setVoice (v, values[v].diffuserTime, values[v].diffuserFeedback,
                                   values[v].diffuserMix);
            diffuser.process (set);
        });
}
BENCHMARK (referenceDiffuserAlone)->Unit (benchmark::kMicrosecond)->Iterations (iterations);

struct DelayModel
{
    std::vector<cvl::reference::ReferenceDelay> lines;
    DelayModel (double fs, std::size_t count)
        : lines (count, cvl::reference::ReferenceDelay (static_cast<float> (fs)))
    {
    }
};

void referenceDelayAlone (benchmark::State& state)
{
    runReference<DelayModel> (state,
                              [] (DelayModel& model, Voices& set, const auto& values)
                              {
                                  for (std::size_t v = 0; v < set.size(); ++v)
                                  {
                                      model.lines[v].set ({ values[v].diffuserTime,
                                                            values[v].diffuserFeedback,
                                                            values[v].diffuserMix });
                                      model.lines[v].process (set[v]);
                                  }
                              });
}
BENCHMARK (referenceDelayAlone)->Unit (benchmark::kMicrosecond)->Iterations (iterations);
} // namespace
