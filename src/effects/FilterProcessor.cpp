#include "FilterProcessor.h"

#include "effects/EffectParameterId.h"
#include "modulation/Frequency.h"
#include "parameters/ChoiceLists.h"
#include "parameters/ParameterTextFunctions.h"

namespace cvl
{
namespace
{
    constexpr float defaultCutoff = 1.0f;
    constexpr std::size_t maximumStages = 2;
} // namespace

const juce::String FilterProcessor::Parameters::Name { "Filter" };
const juce::String FilterProcessor::Parameters::Type { "Type" };
const juce::String FilterProcessor::Parameters::Cutoff { "Cutoff" };
const juce::String FilterProcessor::Parameters::Order { "Order" };

FilterProcessor::Parameters::Parameters (int slot, ParameterDirector& director)
    : cutoff (director, makeEffectParameterId (Name, Cutoff, slot), defaultCutoff, ParameterTextFunctions::Frequency)
{
    using FilterType = exl::dsp::CascadedIIRFilter::Type;
    const auto typeId = makeEffectParameterId (Name, Type, slot);
    auto& typeOptions = director.external.addChoice (typeId.toIdentifier(),
                                                     ParameterHelpers::enumToStringArray<FilterType>(), 0);
    typeOptions.name = typeId.name;
    typeOptions.changeCallback = [this] (float value)
    {
        type = ParameterHelpers::enumFromIndex<FilterType> (static_cast<int> (std::lround (value)));
        applyType();
    };

    const auto orderId = makeEffectParameterId (Name, Order, slot);
    auto& orderOptions = director.external.addChoice (orderId.toIdentifier(), ChoiceLists::filterOrders(), 0);
    orderOptions.name = orderId.name;
    orderOptions.changeCallback = [this] (float value)
    {
        stages = std::clamp<std::size_t> (static_cast<std::size_t> (std::max (0L, std::lround (value))) + 1, 1,
                                          maximumStages);
        applyOrder();
    };
}

void FilterProcessor::Parameters::setProcessors (std::span<FilterProcessor> processors) noexcept
{
    view = processors;
    applyType();
    applyOrder();
}

void FilterProcessor::Parameters::applyType() noexcept
{
    for (auto& processor : view)
        for (std::size_t v = 0; v < maxVoices; ++v)
            processor.getVoiceFilter (v).setFilterType (type);
}

void FilterProcessor::Parameters::applyOrder() noexcept
{
    for (auto& processor : view)
        for (std::size_t v = 0; v < maxVoices; ++v)
            processor.getVoiceFilter (v).setNumStages (stages);
}

void FilterProcessor::Parameters::calculateValues (const VectorSpaceProcessors& spaces) noexcept
{
    cutoff.calculateValues (spaces);
    const auto voices = activeVoiceCount (spaces);
    for (auto& processor : view)
        for (std::size_t v = 0; v < voices; ++v)
            processor.getVoiceFilter (v).calculateCoefficients (
                static_cast<double> (Frequency::toHz (cutoff.getValues()[v])), designQ);
}

FilterProcessor::FilterProcessor() : filters (CreateFilterArray()) {}

FilterProcessor::FilterArray FilterProcessor::CreateFilterArray()
{
    FilterArray array;
    for (auto& filter : array)
        filter = std::make_unique<VoiceFilter>();
    return array;
}

void FilterProcessor::setSampleRate (double sampleRate)
{
    for (auto& filter : filters)
        filter->getFilter().setSampleRate (sampleRate);
}

void FilterProcessor::process (VoiceBuffers& voices) noexcept
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
