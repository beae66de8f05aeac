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

const juce::String AllpassProcessor::Parameters::Name { "Allpass" };
const juce::String AllpassProcessor::Parameters::Cutoff { "Cutoff" };
const juce::String AllpassProcessor::Parameters::Order { "Order" };

AllpassProcessor::Parameters::Parameters (int slot, ParameterDirector& director)
    : cutoff (director, makeEffectParameterId (Name, Cutoff, slot), defaultCutoff, ParameterTextFunctions::Frequency)
{
    const auto orderId = makeEffectParameterId (Name, Order, slot);
    auto& orderOptions = director.external.addChoice (orderId.toIdentifier(), ChoiceLists::allpassOrders(), 0);
    orderOptions.name = orderId.name;
    orderOptions.changeCallback = [this] (float value)
    {
        stages = std::clamp<std::size_t> (static_cast<std::size_t> (std::max (0L, std::lround (value))) + 1, 1,
                                          maximumStages);
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
        for (std::size_t v = 0; v < maxVoices; ++v)
            processor.getVoiceFilter (v).setNumStages (stages);
}

void AllpassProcessor::Parameters::calculateValues (const VectorSpaceProcessors& spaces) noexcept
{
    cutoff.calculateValues (spaces);
    const auto voices = activeVoiceCount (spaces);
    for (auto& processor : view)
        for (std::size_t v = 0; v < voices; ++v)
            processor.getVoiceFilter (v).calculateCoefficients (static_cast<double> (Frequency::toHz (cutoff.getValues()[v])));
}

AllpassProcessor::AllpassProcessor() : filters (CreateFilterArray()) {}

AllpassProcessor::FilterArray AllpassProcessor::CreateFilterArray()
{
    FilterArray array;
    for (auto& filter : array)
        filter = std::make_unique<exl::dsp::AllpassFilter>();
    return array;
}

void AllpassProcessor::setSampleRate (double sampleRate)
{
    for (auto& filter : filters)
        filter->setSampleRate (sampleRate);
}

void AllpassProcessor::process (VoiceBuffers& voices) noexcept
{
    const auto numVoices = std::min (voices.numVoices, maxVoices);
    for (std::size_t v = 0; v < numVoices; ++v)
    {
        auto& filter = *filters[v];
        auto* samples = voices[v];
        for (std::size_t i = 0; i < voices.numSamples; ++i)
            samples[i] = filter.processSample (samples[i]);
    }
}
} // namespace cvl
