#include "BalanceProcessor.h"

#include "effects/EffectParameterId.h"
#include "parameters/ParameterTextFunctions.h"
#include <juce_audio_basics/juce_audio_basics.h>

namespace cvl
{
namespace
{
    constexpr float defaultPan = 0.5f;
    constexpr float panTextMinimum = -100.0f;
    constexpr float panTextMaximum = 100.0f;
} // namespace

const juce::String BalanceProcessor::Parameters::Name{ "Balance" };
const juce::String BalanceProcessor::Parameters::Pan{ "Pan" };
const juce::String BalanceProcessor::Parameters::Gain{ "Gain" };

BalanceProcessor::Parameters::Parameters (int slot, ParameterDirector& director)
    : pan (director, makeEffectParameterId (Name, Pan, slot), defaultPan,
           ParameterTextFunctions::percentWithRange (panTextMinimum, panTextMaximum)),
      gain (director, makeEffectParameterId (Name, Gain, slot), unityGain, ParameterTextFunctions::Percent)
{
}

void BalanceProcessor::Parameters::calculateValues (const VectorSpaceProcessors& spaces) noexcept
{
    pan.calculateValues (spaces);
    gain.calculateValues (spaces);
    const auto voices = activeVoiceCount (spaces);
    for (auto& processor : view)
        for (std::size_t v = 0; v < voices; ++v)
            processor.setVoice (v, pan.getValues()[v], gain.getValues()[v]);
}

void BalanceProcessor::setVoice (std::size_t voice, float panValue, float gainValue) noexcept
{
    pans[voice] = 2.0f * panValue - 1.0f;
    gains[voice] = gainValue;
}

// A linear balance law: the centre leaves both sides at full level, each side fades out towards the
// other one.
float BalanceProcessor::balanceFactor (float balance) const noexcept
{
    if (channel == 0)
        return balance < 0.0f ? 1.0f : 1.0f - std::min (balance, 1.0f);
    return balance < -1.0f ? 0.0f : 1.0f + std::min (balance, 0.0f);
}

void BalanceProcessor::process (VoiceBuffers& voices) noexcept
{
    const auto numVoices = std::min (voices.numVoices, maxVoices);
    for (std::size_t v = 0; v < numVoices; ++v)
    {
        const auto factor = balanceFactor (pans[v]) * (gains[v] / unityGain);
        juce::FloatVectorOperations::multiply (voices[v], factor, static_cast<int> (voices.numSamples));
    }
}
} // namespace cvl
