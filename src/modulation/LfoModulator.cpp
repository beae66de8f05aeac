#include "LfoModulator.h"

#include "modulation/TempoSync.h"

#include <juce_dsp/juce_dsp.h>

namespace cvl
{
namespace
{
    using Fast = juce::dsp::FastMathApproximations;
    constexpr auto pi = juce::MathConstants<float>::pi;
    constexpr auto twoPi = juce::MathConstants<float>::twoPi;

    // Every shape but the sine starts a cycle at -1; the sine starts at 0 and falls first.
    float shapeValue (LfoShape shape, float p) noexcept
    {
        switch (shape)
        {
            case LfoShape::Sine:
                return Fast::sin (twoPi * p - pi);
            case LfoShape::Cosine:
                return Fast::cos (twoPi * p - pi);
            case LfoShape::Bounce:
                return 2.0f * Fast::sin (pi * p) - 1.0f;
            case LfoShape::Square:
                return p < 0.5f ? -1.0f : 1.0f;
            case LfoShape::Saw:
                return 2.0f * p - 1.0f;
            case LfoShape::Triangle:
            default:
            {
                const auto t = 2.0f * p < 1.0f ? 2.0f * p : 2.0f - 2.0f * p;
                return 2.0f * t - 1.0f;
            }
        }
    }
} // namespace

TempoSyncUtility::Type LfoModulator::getSyncType() const noexcept
{
    return syncType < ParameterHelpers::enumCount<TempoSyncUtility::Type>
               ? static_cast<TempoSyncUtility::Type> (syncType)
               : TempoSyncUtility::Type::Free;
}

float LfoModulator::getValue() const noexcept
{
    if (! enabled || shape < 0 || static_cast<std::size_t> (shape) >= ParameterHelpers::enumCount<LfoShape>)
        return 0.0f;
    return scale * shapeValue (static_cast<LfoShape> (shape), static_cast<float> (oscillator.getPhase()));
}

void LfoModulator::advance (int numSamples, double startBeat) noexcept
{
    const auto type = getSyncType();
    if (type == TempoSyncUtility::Type::Free)
    {
        oscillator.advance (frequency, numSamples, sampleRate);
        return;
    }
    lengthIndex = TempoSync::lockLengthIndex (type, lengthIndex);
    oscillator.setPhase (TempoSync::phaseAt (startBeat, TempoSyncUtility::lengthInBeats (lengthIndex)));
}
} // namespace cvl
