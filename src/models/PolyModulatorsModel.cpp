#include "PolyModulatorsModel.h"

namespace cvl
{
PolyModulatorsModel::PolyModulatorsModel (IPolyModulatorValuesAccess& valueSource) : source (valueSource) {}

PolyModulatorsModel::~PolyModulatorsModel() { stopTimer(); }

void PolyModulatorsModel::timerCallback()
{
    for ([[maybe_unused]] const auto& [id, name] : PolyModulators::IdNameArray)
    {
        source.fillTransformedPolyModulationValueTable (transformed, id);
        source.fillInitialPolyModulationValueTable (initial, id);
    }
}

std::size_t PolyModulatorsModel::row (PolyModulatorId id) noexcept
{
    const auto index = PolyModulators::index (id);
    return index < PolyModulators::Count ? index : 0;
}

std::span<const float, maxVoices> PolyModulatorsModel::readInitial (PolyModulatorId id) const noexcept
{
    return initial[row (id)];
}

std::span<const float, maxVoices> PolyModulatorsModel::readTransformed (PolyModulatorId id) const noexcept
{
    return transformed[row (id)];
}
} // namespace cvl
