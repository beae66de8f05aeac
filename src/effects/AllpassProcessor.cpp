#include "AllpassProcessor.h"

#include "effects/EffectParameterId.h"
#include "modulation/Frequency.h"
#include "parameters/ChoiceLists.h"
#include "parameters/ParameterTextFunctions.h"

namespace cvl
{
namespace
{
    constexpr float defaultCutoff = 1.0f;
    constexpr std::size_t maximumStages = 4;
} // namespace

const juce::String AllpassProcessor::Parameters::Name{ "Allpass" };
const juce::String AllpassProcessor::Parameters::Cutoff{ "Cutoff" };
const juce::String AllpassProcessor::Parameters::Order{ "Order" };

AllpassProcessor::Parameters::Parameters (int slot, ParameterDirector& director)
    : cutoff (director, makeEffectParameterId (Name, Cutoff, slot), defaultCutoff,
              ParameterTextFunctions::Frequency)
{
    auto& orderOptions = addEffectChoice (director, Name, Order, slot, ChoiceLists::allpassOrders());
    orderOptions.changeCallback = [this] (float value)
    {
        stages = stageCountFromChoice (value, maximumStages);
        applyOrder();
    };
}

void AllpassProcessor::Parameters::setProcessors (std::span<AllpassProcessor> processors) noexcept
{
    view = processors;
    applyOrder();
}

void AllpassProcessor::Parameters::applyOrder() noexcept
{
    for (auto& processor : view)
        processor.bank.setNumStages (stages);
    designCache.invalidate();
}

void AllpassProcessor::Parameters::designVoice (std::size_t voice, double sampleRate) noexcept
{
    const auto value = cutoff.getValues()[voice];
    const auto [b, a] =
        exl::dsp::AllpassFilter::designSection (static_cast<double> (Frequency::toHz (value)), sampleRate);
    const auto targets = exl::dsp::StateVariableCoefficients::fromDirectForm (b, a);
    for (auto& processor : view)
        for (std::size_t s = 0; s < stages; ++s)
            processor.bank.setTargets (voice, s, targets);
    designCache.designed (voice, value, sampleRate);
}

// Every section of a voice is the same all-pass; an unchanged cutoff would give the same targets,
// which the bank would ignore, so only changed voices are designed, once for every channel.
void AllpassProcessor::Parameters::calculateValues (const VectorSpaceProcessors& spaces) noexcept
{
    cutoff.calculateValues (spaces);
    if (view.empty() || view.front().getSampleRate() <= 0.0)
        return;
    const auto sampleRate = view.front().getSampleRate();
    const auto voices = activeVoiceCount (spaces);
    for (std::size_t v = 0; v < voices; ++v)
        if (designCache.needsDesign (v, cutoff.getValues()[v], sampleRate))
            designVoice (v, sampleRate);
}

void AllpassProcessor::setSampleRate (double newSampleRate)
{
    sampleRate = newSampleRate;
    bank.setGlideSteps (exl::dsp::CascadedIIRFilter::glideStepsAt (newSampleRate));
}

void AllpassProcessor::process (VoiceBuffers& voices) noexcept
{
    bank.process ({ voices.voices.data(), std::min (voices.numVoices, maxVoices) }, voices.numSamples);
}
} // namespace cvl
