#include "CorvaneProcessor.h"

#include "parameters/ParameterTextFunctions.h"

#include <cmath>

namespace cvl
{
namespace
{
    constexpr std::array<IEffectProcessor::Type, CorvaneProcessor::numSlots> defaultSlotTypes{
        IEffectProcessor::Type::Delay, IEffectProcessor::Type::Distortion, IEffectProcessor::Type::Filter
    };
    constexpr float defaultMix = 1.0f;
} // namespace

const juce::Identifier CorvaneProcessor::ProcessorType1{ "ProcessorType1" };
const juce::Identifier CorvaneProcessor::ProcessorType2{ "ProcessorType2" };
const juce::Identifier CorvaneProcessor::ProcessorType3{ "ProcessorType3" };
const juce::Identifier CorvaneProcessor::Mix{ "Mix" };

CorvaneProcessor::CorvaneProcessor (ParameterDirector& director)
    : allpass (director), balance (director), delay (director), diffuser (director), distortion (director),
      filter (director)
{
    declareParameters (director);
    for (std::size_t slot = 0; slot < numSlots; ++slot)
        for (std::size_t channel = 0; channel < maxChannels; ++channel)
            balance.processor (slot, channel).setChannel (static_cast<int> (channel));
}

void CorvaneProcessor::declareParameters (ParameterDirector& director)
{
    const juce::Identifier* typeIds[] = { &ProcessorType1, &ProcessorType2, &ProcessorType3 };
    for (std::size_t slot = 0; slot < numSlots; ++slot)
    {
        auto& options =
            director.external.addChoice (*typeIds[slot], ParameterHelpers::enumToStringArray<Type>(),
                                         static_cast<int> (defaultSlotTypes[slot]));
        options.changeCallback = [this, slot] (float value)
        { slotTypes[slot] = ParameterHelpers::enumFromIndex<Type> (juce::roundToInt (value)); };
    }

    auto& mixOptions = director.external.addFloat (Mix, { 0.0f, 1.0f }, defaultMix);
    mixOptions.textFunction = ParameterTextFunctions::Percent;
    mixOptions.changeCallback = [this] (float value) { mix = value; };
}

void CorvaneProcessor::prepare (int channels, double sampleRate, int blockSize)
{
    preparedChannels = std::min (static_cast<std::size_t> (std::max (channels, 0)), maxChannels);
    allpass.bind (preparedChannels);
    balance.bind (preparedChannels);
    delay.bind (preparedChannels);
    diffuser.bind (preparedChannels);
    distortion.bind (preparedChannels);
    filter.bind (preparedChannels);
    forEachProcessor ([sampleRate] (IEffectProcessor& processor) { processor.setSampleRate (sampleRate); });
    voices.prepare (blockSize);
}

void CorvaneProcessor::setVoiceCount (int count) noexcept { voices.setVoiceCount (count); }

template <typename Function>
void CorvaneProcessor::forSlotBank (std::size_t slot, Function&& function) noexcept
{
    switch (slotTypes[slot])
    {
        case Type::None:
            break;
        case Type::Allpass:
            function (allpass);
            break;
        case Type::Balance:
            function (balance);
            break;
        case Type::Delay:
            function (delay);
            break;
        case Type::Diffuser:
            function (diffuser);
            break;
        case Type::Distortion:
            function (distortion);
            break;
        case Type::Filter:
            function (filter);
            break;
    }
}

void CorvaneProcessor::calculateSlotValues (const VectorSpaceProcessors& spaces) noexcept
{
    for (std::size_t slot = 0; slot < numSlots; ++slot)
        forSlotBank (slot, [slot, &spaces] (auto& bank) { bank.calculateValues (slot, spaces); });
}

void CorvaneProcessor::processSlot (std::size_t slot, std::size_t channel, VoiceBuffers& buffers) noexcept
{
    forSlotBank (slot, [slot, channel, &buffers] (auto& bank) { bank.process (slot, channel, buffers); });
}

// samples[i] = (1 - mix) dry + mix (the voices' sum) / N; voice 0 collects the sum.
void CorvaneProcessor::mixVoices (float* samples, const VoiceBuffers& buffers) const noexcept
{
    const auto length = static_cast<int> (buffers.numSamples);
    auto* sum = buffers.numVoices > 0 ? buffers[0] : nullptr;
    for (std::size_t v = 1; v < buffers.numVoices; ++v)
        juce::FloatVectorOperations::add (sum, buffers[v], length);

    const auto reciprocal = buffers.numVoices > 0 ? 1.0f / static_cast<float> (buffers.numVoices) : 0.0f;
    const auto dryGain = 1.0f - mix;
    for (int i = 0; i < length; ++i)
    {
        const auto dry = std::isfinite (samples[i]) ? samples[i] : 0.0f;
        const auto wet = sum != nullptr ? sum[i] * reciprocal : 0.0f;
        const auto out = dryGain * dry + mix * wet;
        samples[i] = std::isfinite (out) ? out : 0.0f;
    }
}

void CorvaneProcessor::processChannel (int channel, float* samples, int numSamples,
                                       const VectorSpaceProcessors& spaces) noexcept
{
    if (channel < 0 || static_cast<std::size_t> (channel) >= preparedChannels || samples == nullptr)
        return;
    calculateSlotValues (spaces);
    processPreparedChannel (static_cast<std::size_t> (channel), samples, numSamples);
}

void CorvaneProcessor::processPreparedChannel (std::size_t channel, float* samples, int numSamples) noexcept
{
    const auto capacity = voices.getCapacity();
    if (capacity == 0)
        return;

    // A sub-block longer than the prepared block goes through in pieces the voice buffers can hold.
    const auto total = static_cast<std::size_t> (std::max (numSamples, 0));
    for (std::size_t start = 0; start < total; start += capacity)
    {
        auto* piece = samples + start;
        auto buffers = voices.duplicate (piece, std::min (capacity, total - start));
        for (std::size_t slot = 0; slot < numSlots; ++slot)
            processSlot (slot, channel, buffers);
        mixVoices (piece, buffers);
    }
}

void CorvaneProcessor::process (juce::AudioBuffer<float>& buffer,
                                const VectorSpaceProcessors& spaces) noexcept
{
    calculateSlotValues (spaces);
    const auto channels =
        std::min (static_cast<std::size_t> (std::max (buffer.getNumChannels(), 0)), preparedChannels);
    for (std::size_t channel = 0; channel < channels; ++channel)
        if (auto* samples = buffer.getWritePointer (static_cast<int> (channel)))
            processPreparedChannel (channel, samples, buffer.getNumSamples());
}
} // namespace cvl
