#include "DistortionProcessor.h"

#include "effects/DistortionAlgorithms.h"
#include "effects/EffectParameterId.h"
#include "parameters/ParameterTextFunctions.h"

namespace cvl
{
namespace
{
    constexpr float defaultValue = 0.5f;

    template <typename Algorithm>
    DistortionProcessor::Instances createInstances()
    {
        DistortionProcessor::Instances instances;
        for (auto& instance : instances)
            instance = std::make_unique<Algorithm>();
        return instances;
    }
} // namespace

const juce::String DistortionProcessor::Parameters::Name{ "Distortion" };
const juce::String DistortionProcessor::Parameters::Type{ "Type" };
const juce::String DistortionProcessor::Parameters::Amount{ "Amount" };
const juce::String DistortionProcessor::Parameters::Mix{ "Mix" };

DistortionProcessor::Parameters::Parameters (int slot, ParameterDirector& director)
    : amount (director, makeEffectParameterId (Name, Amount, slot), defaultValue,
              ParameterTextFunctions::Percent),
      mix (director, makeEffectParameterId (Name, Mix, slot), defaultValue, ParameterTextFunctions::Percent)
{
    const auto typeId = makeEffectParameterId (Name, Type, slot);
    auto& typeOptions = director.external.addChoice (
        typeId.toIdentifier(), ParameterHelpers::enumToStringArray<DistortionType>(), 0);
    typeOptions.name = typeId.name;
    typeOptions.changeCallback = [this] (float value)
    {
        const auto newType = ParameterHelpers::enumFromIndex<DistortionType> (juce::roundToInt (value));
        for (auto& processor : view)
            processor.setType (newType);
    };
}

void DistortionProcessor::Parameters::calculateValues (const VectorSpaceProcessors& spaces) noexcept
{
    amount.calculateValues (spaces);
    mix.calculateValues (spaces);
    const auto voices = activeVoiceCount (spaces);
    for (auto& processor : view)
        for (std::size_t v = 0; v < voices; ++v)
            processor.setVoice (v, amount.getValues()[v], mix.getValues()[v]);
}

DistortionProcessor::InstanceMap DistortionProcessor::CreateMap()
{
    InstanceMap map;
    map[static_cast<std::size_t> (DistortionType::Bitcrush)] = createInstances<BitCrush>();
    map[static_cast<std::size_t> (DistortionType::SampleAndHold)] = createInstances<SampleAndHold>();
    map[static_cast<std::size_t> (DistortionType::SoftClip)] = createInstances<SoftClip>();
    map[static_cast<std::size_t> (DistortionType::HardClip)] = createInstances<HardClip>();
    map[static_cast<std::size_t> (DistortionType::Sine)] = createInstances<Sine>();
    map[static_cast<std::size_t> (DistortionType::Rectify)] = createInstances<Rectify>();
    return map;
}

DistortionProcessor::DistortionProcessor() : instances (CreateMap()) {}

void DistortionProcessor::setType (DistortionType newType) noexcept
{
    type = static_cast<std::size_t> (newType) < numTypes ? newType : DistortionType::Bitcrush;
}

void DistortionProcessor::setVoice (std::size_t voice, float newAmount, float newMix) noexcept
{
    amounts[voice] = newAmount;
    mixes[voice] = newMix;
}

void DistortionProcessor::process (VoiceBuffers& voices) noexcept
{
    auto& current = instances[static_cast<std::size_t> (type)];
    const auto numVoices = std::min (voices.numVoices, maxVoices);
    for (std::size_t v = 0; v < numVoices; ++v)
        if (current[v] != nullptr)
            current[v]->process (voices[v], voices.numSamples, amounts[v], mixes[v]);
}
} // namespace cvl
