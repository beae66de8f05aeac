#pragma once

#include "modulation/Modulators.h"

#include <span>

namespace cvl
{
// Voice positions as the editor last polled them. The views point into the editor's own tables: they
// stay valid while the editor lives and change at every poll. Message thread.
class IVectorSpaceAccess
{
public:
    using View = std::span<const float, maxVoices>;

    virtual ~IVectorSpaceAccess() = default;

    // An identifier outside the enumeration reads the first row.
    [[nodiscard]] virtual View readInitial (PolyModulatorId id) const = 0;
    [[nodiscard]] virtual View readTransformed (PolyModulatorId id) const = 0;
};
} // namespace cvl
