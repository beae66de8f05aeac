#pragma once

#include "parameters/ParameterHelpers.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace cvl
{
// Tempo-sync types, note lengths and their labels for the LFOs.
struct TempoSyncUtility
{
    enum class Type
    {
        Free,
        Standard,
        Triplet
    };
    BOOST_DESCRIBE_NESTED_ENUM (Type, Free, Standard, Triplet)

    // Note lengths, longest first; even indices are straight values, odd ones triplets.
    enum class Length
    {
        TwoWholes,
        FourThirds,
        Whole,
        TwoThirds,
        Half,
        Third,
        Quarter,
        Sixth,
        Eighth,
        Twelfth
    };
    static constexpr std::size_t lengthCount = 10;

    // The length in quarter-note beats; an index outside 0 ... 9 gives the first length.
    [[nodiscard]] static double lengthInBeats (std::size_t index) noexcept;
    // "2/1", "4/3", ... "1/12"; "ERROR" outside the enumeration.
    [[nodiscard]] static juce::String LengthToString (Length length);

    // 0 ... 5 Hz with 0.5 Hz at the centre: Hz = 5 v^(1 / log10 2).
    static const juce::NormalisableRange<float> HzRange;
};
} // namespace cvl
