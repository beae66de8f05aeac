#pragma once

#include "modulation/Transform.h"
#include "parameters/ModulatedParameter.h"

namespace cvl
{
// Owns the four parameters of one transform ("X", "Y", "Type", "Enable") and writes their values into it.
// Threads: constructed on the message thread; change callbacks and applyModulators on the audio thread.
class TransformController
{
public:
    // The identifiers of transform `transformIndex` (1 ... 4) of vector space `spaceIndex` (1 ... 3):
    // scope "VectorSpace{k}Transform{t}".
    struct ParameterIds
    {
        ParameterIds (int spaceIndex, int transformIndex);

        ParameterId x, y, type, enable;
    };

    TransformController (ParameterDirector& director, const ParameterIds& ids, Transform& transform);

    // x and y from their bases and the current mono values.
    void applyModulators (const MonoModulators::ValueTable& mono) const noexcept;

private:
    Transform* transform;
    ModulatedParameter x;
    ModulatedParameter y;

    JUCE_DECLARE_NON_COPYABLE (TransformController)
};
} // namespace cvl
