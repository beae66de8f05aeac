#pragma once

#include "effects/IEffectProcessor.h"
#include "modulation/VectorSpaceProcessor.h"
#include "parameters/ParameterDirector.h"
#include "parameters/ParameterId.h"

namespace cvl
{
// "Delay" + "Time" + slot 0 gives DelayTime0_Effect: the identifier of one slot's effect parameter.
[[nodiscard]] inline ParameterId makeEffectParameterId (const juce::String& effectName,
                                                        const juce::String& parameterName, int slot)
{
    return { effectName + parameterName + juce::String (slot), IEffectProcessor::EffectModClass, {} };
}

// A choice parameter of one slot's effect, named after its identifier's name token ("FilterOrder0").
inline exl::ChoiceParameterOptions& addEffectChoice (ParameterDirector& director,
                                                     const juce::String& effectName,
                                                     const juce::String& parameterName, int slot,
                                                     const juce::StringArray& choices)
{
    const auto id = makeEffectParameterId (effectName, parameterName, slot);
    auto& options = director.external.addChoice (id.toIdentifier(), choices, 0);
    options.name = id.name;
    return options;
}

// An order choice's value (index 0 is one section) as a section count from 1 to maximum.
[[nodiscard]] inline std::size_t stageCountFromChoice (float value, std::size_t maximum) noexcept
{
    return std::clamp<std::size_t> (static_cast<std::size_t> (std::max (0L, std::lround (value))) + 1, 1,
                                    maximum);
}

// The voice count the parameter sets serve: the first vector space's, at most 16.
[[nodiscard]] inline std::size_t activeVoiceCount (const VectorSpaceProcessors& spaces) noexcept
{
    return std::min (spaces[0].voiceCount, maxVoices);
}
} // namespace cvl
