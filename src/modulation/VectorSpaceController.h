#pragma once

#include "modulation/TransformController.h"
#include "modulation/VectorSpaceProcessor.h"

namespace cvl
{
// Owns the shape parameter of one vector space and the controllers of its four transforms; lays out the
// initial shape for the processor's voice count.
// Threads: constructed on the message thread; everything else on the audio thread.
class VectorSpaceController
{
public:
    // "Shape_VectorSpace{k}".
    struct ParameterIds
    {
        explicit ParameterIds (int spaceIndex);

        ParameterId shape;
    };

    VectorSpaceController (ParameterDirector& director, int index, VectorSpaceProcessor& processor);

    // Rewrites all 16 slots of the initial space for the current shape and voice count.
    void generateAndSetInitialShape() noexcept;
    // The transforms' x and y from the current mono values, transform 1 first.
    void applyModulators (const MonoModulators::ValueTable& mono) const noexcept;

    [[nodiscard]] int getShape() const noexcept { return shape; }

private:
    static constexpr std::size_t transformCount = 4;

    VectorSpaceProcessor* processor;
    int shape = 0;
    std::array<TransformController, transformCount> transformControllers;

    JUCE_DECLARE_NON_COPYABLE (VectorSpaceController)
};
} // namespace cvl
