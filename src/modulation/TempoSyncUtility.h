#pragma once

#include "parameters/ParameterHelpers.h"

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
};
} // namespace cvl
