#pragma once

#include "modulation/VectorSpaceProcessor.h"
#include "parameters/ParameterDirector.h"
#include "parameters/ParameterId.h"

namespace cvl
{
// An effect parameter with one value per voice: a base value in 0 ... 1 displaced by the voice's
// X and Y in the three vector spaces, each weighted by its own modulation amount. Registers the
// base as an external parameter and the six amounts as internal ones.
// Change callbacks and calculateValues run on the audio thread.
class DspParameter
{
public:
    DspParameter (ParameterDirector& director, const ParameterId& id, float defaultValue,
                  const exl::TextFunction& textFunction);

    // values[i] = base + the six weighted coordinates of slot i, clamped to 0 ... 1, for all 16 slots.
    void calculateValues (const VectorSpaceProcessors& spaces) noexcept;

    [[nodiscard]] const std::array<float, maxVoices>& getValues() const noexcept { return values; }
    [[nodiscard]] float getBase() const noexcept { return base; }
    [[nodiscard]] const std::array<float, PolyModulators::Count>& getAmounts() const noexcept
    {
        return amounts;
    }

private:
    float base = 0.0f;
    std::array<float, PolyModulators::Count> amounts{};
    std::array<float, maxVoices> values{};

    JUCE_DECLARE_NON_COPYABLE (DspParameter)
};
} // namespace cvl
