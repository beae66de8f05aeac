#pragma once

#include "modulation/LfoModulator.h"
#include "parameters/ModulatedParameter.h"

namespace cvl
{
// Owns the five parameters of one LFO ("Frequency", "Scale", "Enable", "Shape", "SyncType") and applies
// them to it; Frequency and Scale are modulated by the mono modulators every sub-block.
// Threads: constructed on the message thread; change callbacks and applyModulators on the audio thread.
class LfoModulatorController
{
public:
    // The identifiers of LFO `index` (1 ... 6): scope "Lfo{n}".
    struct ParameterIds
    {
        explicit ParameterIds (int index);

        ParameterId enable, shape, syncType, frequency, scale;
    };

    LfoModulatorController (ParameterDirector& director, const ParameterIds& ids, LfoModulator& lfo);

    // Rate, note length and scale from the modulated Frequency and Scale, mapped from -1 ... 1 to 0 ... 1.
    void applyModulators (const MonoModulators::ValueTable& mono) const noexcept;

private:
    LfoModulator* lfo;
    ModulatedParameter frequency;
    ModulatedParameter scale;
    // Draws the new phase on a sync-type change; owned here so the audio thread shares no generator.
    juce::Random phaseRandom;

    JUCE_DECLARE_NON_COPYABLE (LfoModulatorController)
};
} // namespace cvl
