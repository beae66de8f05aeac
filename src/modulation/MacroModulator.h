#pragma once

#include "parameters/ParameterDirector.h"

namespace cvl
{
// A user-controlled mono modulator: one automatable value in -1 ... 1 ("Macro_{n}").
// Threads: constructed on the message thread; the change callback and getValue on the audio thread.
class MacroModulator
{
public:
    // "Macro_" + index, pooled.
    [[nodiscard]] static juce::Identifier CreateId (int index);

    MacroModulator (ParameterDirector& director, int index);

    [[nodiscard]] float getValue() const noexcept { return value; }

private:
    float value = 0.0f;

    JUCE_DECLARE_NON_COPYABLE (MacroModulator)
};
} // namespace cvl
