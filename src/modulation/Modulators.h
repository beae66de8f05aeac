#pragma once

#include "parameters/ParameterHelpers.h"

#include <atomic>

namespace cvl
{
// The ten global modulators, one value each.
enum class MonoModulatorId
{
    Macro1,
    Macro2,
    Macro3,
    Macro4,
    Lfo1,
    Lfo2,
    Lfo3,
    Lfo4,
    Lfo5,
    Lfo6
};
BOOST_DESCRIBE_ENUM (MonoModulatorId, Macro1, Macro2, Macro3, Macro4, Lfo1, Lfo2, Lfo3, Lfo4, Lfo5, Lfo6)

// The six per-voice modulators: one coordinate of one vector space, one value per voice slot.
enum class PolyModulatorId
{
    VectorSpace1X,
    VectorSpace1Y,
    VectorSpace2X,
    VectorSpace2Y,
    VectorSpace3X,
    VectorSpace3Y
};
BOOST_DESCRIBE_ENUM (PolyModulatorId, VectorSpace1X, VectorSpace1Y, VectorSpace2X, VectorSpace2Y,
                     VectorSpace3X, VectorSpace3Y)

inline constexpr std::size_t maxVoices = 16;

// Value tables indexed by a modulator enumeration. ValueTable is the unit of copying between threads;
// the processor owns the only AtomicValueTable of each kind.
template <typename Id, typename Value, typename AtomicValue>
struct ModulatorsImpl
{
    static constexpr std::size_t Count = ParameterHelpers::enumCount<Id>;
    // Names are the enumerator spellings; they end the modulation-amount identifiers.
    static constexpr ParameterHelpers::IdNameArray<Id> IdNameArray = ParameterHelpers::idNames<Id>;

    using ValueTable = std::array<Value, Count>;
    using AtomicValueTable = std::array<AtomicValue, Count>;

    [[nodiscard]] static constexpr std::size_t index (Id id) noexcept
    {
        return static_cast<std::size_t> (id);
    }
    [[nodiscard]] static constexpr std::string_view name (Id id) noexcept
    {
        return ParameterHelpers::enumName (id);
    }
    [[nodiscard]] static juce::String nameString (Id id)
    {
        const auto n = name (id);
        return juce::String (n.data(), n.size());
    }

    // The enumerator whose name this is, if any.
    [[nodiscard]] static std::optional<Id> fromName (std::string_view text) noexcept
    {
        for (const auto& [id, idName] : IdNameArray)
            if (idName == text)
                return id;
        return std::nullopt;
    }
};

using PolyValues = std::array<float, maxVoices>;
using AtomicPolyValues = std::array<std::atomic<float>, maxVoices>;

using MonoModulators = ModulatorsImpl<MonoModulatorId, float, std::atomic<float>>;
using PolyModulators = ModulatorsImpl<PolyModulatorId, PolyValues, AtomicPolyValues>;

// Copies of the values the audio thread last published; called from editor timers.
class IMonoModulatorValuesAccess
{
public:
    virtual ~IMonoModulatorValuesAccess() = default;
    virtual void fillMonoModulationValueTable (MonoModulators::ValueTable& out) = 0;
};

class IPolyModulatorValuesAccess
{
public:
    virtual ~IPolyModulatorValuesAccess() = default;
    // Only row `id` of `out` changes; an id outside the enumeration reads and writes row 0.
    virtual void fillTransformedPolyModulationValueTable (PolyModulators::ValueTable& out,
                                                          PolyModulatorId id) = 0;
    virtual void fillInitialPolyModulationValueTable (PolyModulators::ValueTable& out,
                                                      PolyModulatorId id) = 0;
};
} // namespace cvl
