#pragma once

#include "modulation/LfoModulatorController.h"
#include "modulation/MacroModulator.h"
#include "modulation/VectorSpaceController.h"

namespace cvl::test
{
// Every owner of modulator parameters, built on one director in the processor's order: macros 1 ... 4,
// LFOs 1 ... 6 with their controllers, vector spaces 1 ... 3 with theirs (and so their transforms).
struct ModulationOwners
{
    using LfoIds = LfoModulatorController::ParameterIds;

    ParameterDirector director;
    std::array<MacroModulator, 4> macros{ {
        { director, 1 },
        { director, 2 },
        { director, 3 },
        { director, 4 },
    } };
    std::array<LfoModulator, 6> lfos{};
    std::array<LfoModulatorController, 6> lfoControllers{ {
        { director, LfoIds (1), lfos[0] },
        { director, LfoIds (2), lfos[1] },
        { director, LfoIds (3), lfos[2] },
        { director, LfoIds (4), lfos[3] },
        { director, LfoIds (5), lfos[4] },
        { director, LfoIds (6), lfos[5] },
    } };
    VectorSpaceProcessors spaces{};
    std::array<VectorSpaceController, 3> spaceControllers{ {
        { director, 1, spaces[0] },
        { director, 2, spaces[1] },
        { director, 3, spaces[2] },
    } };

    // Every modulated value from one mono table, as a sub-block applies them.
    void applyModulators (const MonoModulators::ValueTable& mono) const noexcept
    {
        for (const auto& controller : lfoControllers)
            controller.applyModulators (mono);
        for (const auto& controller : spaceControllers)
            controller.applyModulators (mono);
    }
};
} // namespace cvl::test
