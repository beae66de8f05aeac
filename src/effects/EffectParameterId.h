#pragma once

#include "effects/IEffectProcessor.h"
#include "modulation/VectorSpaceProcessor.h"
#include "parameters/ParameterId.h"

namespace cvl
{
// "Delay" + "Time" + slot 0 gives DelayTime0_Effect: the identifier of one slot's effect parameter.
[[nodiscard]] inline ParameterId makeEffectParameterId (const juce::String& effectName,
                                                        const juce::String& parameterName, int slot)
{
    return { effectName + parameterName + juce::String (slot), IEffectProcessor::EffectModClass, {} };
}

// The voice count the parameter sets serve: the first vector space's, at most 16.
[[nodiscard]] inline std::size_t activeVoiceCount (const VectorSpaceProcessors& spaces) noexcept
{
    return std::min (spaces[0].voiceCount, maxVoices);
}
} // namespace cvl
