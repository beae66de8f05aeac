#include "LfoModulatorController.h"

#include "parameters/ParameterTextFunctions.h"

namespace cvl
{
namespace
{
    constexpr float switchThreshold = 0.5f;
    constexpr auto longestLengthIndex = TempoSyncUtility::lengthCount - 1;

    float toUnipolar (float bipolar) noexcept { return (bipolar + 1.0f) / 2.0f; }
} // namespace

LfoModulatorController::ParameterIds::ParameterIds (int index)
{
    const auto scope = "Lfo" + juce::String (index);
    enable = { "Enable", scope, {} };
    shape = { "Shape", scope, {} };
    syncType = { "SyncType", scope, {} };
    frequency = { "Frequency", scope, {} };
    scale = { "Scale", scope, {} };
}

LfoModulatorController::LfoModulatorController (ParameterDirector& director, const ParameterIds& ids,
                                                LfoModulator& l)
    : lfo (&l), frequency (director, ids.frequency, 0.0f, ParameterTextFunctions::Percent),
      scale (director, ids.scale, 1.0f, ParameterTextFunctions::Percent),
      phaseRandom (juce::Random::getSystemRandom().nextInt64())
{
    auto& enableOptions = director.external.addBool (ids.enable.toIdentifier(), true);
    enableOptions.changeCallback = [this] (float value) { lfo->setEnabled (value >= switchThreshold); };

    auto& shapeOptions = director.external.addChoice (ids.shape.toIdentifier(),
                                                      ParameterHelpers::enumToStringArray<LfoShape>(), 0);
    shapeOptions.changeCallback = [this] (float value)
    { lfo->setShape (static_cast<int> (std::round (value))); };

    auto& syncOptions = director.external.addChoice (
        ids.syncType.toIdentifier(), ParameterHelpers::enumToStringArray<TempoSyncUtility::Type>(), 0);
    syncOptions.changeCallback = [this] (float value)
    {
        lfo->setSyncType (static_cast<std::size_t> (std::max (0.0f, std::round (value))));
        lfo->setPhase (phaseRandom.nextDouble());
    };
}

void LfoModulatorController::applyModulators (const MonoModulators::ValueTable& mono) const noexcept
{
    const auto rate = toUnipolar (frequency.getModulatedValue (mono));
    lfo->setFrequency (TempoSyncUtility::HzRange.convertFrom0to1 (rate));
    const auto lengthIndex = static_cast<std::size_t> (static_cast<float> (longestLengthIndex) * rate);
    lfo->setLengthIndex (std::min (lengthIndex, longestLengthIndex));
    lfo->setScale (toUnipolar (scale.getModulatedValue (mono)));
}
} // namespace cvl
