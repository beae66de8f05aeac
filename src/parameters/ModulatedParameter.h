#pragma once

#include "modulation/Modulators.h"
#include "parameters/ParameterDirector.h"
#include "parameters/ParameterId.h"

namespace cvl
{
// A parameter moved by the ten mono modulators (macros and LFOs): a host-visible base in -1 ... 1 and
// one internal amount in -1 ... 1 per mono modulator. Keeps plain copies of both that the registered
// change callbacks update.
// Threads: constructed on the message thread; change callbacks and getModulatedValue on the audio thread.
class ModulatedParameter
{
public:
    ModulatedParameter (ParameterDirector& director, const ParameterId& id, float defaultValue,
                        const exl::TextFunction& textFunction);

    // base + amount[m] x mono[m] for every modulator in enumeration order, in single precision,
    // clamped to -1 ... 1.
    [[nodiscard]] float getModulatedValue (const MonoModulators::ValueTable& mono) const noexcept;

    [[nodiscard]] float getBase() const noexcept { return base; }
    [[nodiscard]] const MonoModulators::ValueTable& getAmounts() const noexcept { return amounts; }

private:
    MonoModulators::ValueTable amounts{};
    float base = 0.0f;

    JUCE_DECLARE_NON_COPYABLE (ModulatedParameter)
};
} // namespace cvl
