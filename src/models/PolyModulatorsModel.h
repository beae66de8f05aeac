#pragma once

#include "modulation/Modulators.h"

#include <juce_events/juce_events.h>

#include <span>

namespace cvl
{
// Copies the published voice positions (initial and transformed) into two plain tables at every tick,
// without notifying; readers look at the tables when they repaint. Message thread.
class PolyModulatorsModel : public juce::Timer
{
public:
    static constexpr int pollIntervalMs = 16;

    explicit PolyModulatorsModel (IPolyModulatorValuesAccess& source);
    ~PolyModulatorsModel() override;

    void timerCallback() override;

    // An identifier outside the enumeration reads the first row.
    [[nodiscard]] std::span<const float, maxVoices> readInitial (PolyModulatorId id) const noexcept;
    [[nodiscard]] std::span<const float, maxVoices> readTransformed (PolyModulatorId id) const noexcept;

private:
    [[nodiscard]] static std::size_t row (PolyModulatorId id) noexcept;

    PolyModulators::ValueTable initial{};
    PolyModulators::ValueTable transformed{};
    IPolyModulatorValuesAccess& source;

    JUCE_DECLARE_NON_COPYABLE (PolyModulatorsModel)
};
} // namespace cvl
