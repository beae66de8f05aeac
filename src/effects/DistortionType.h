#pragma once

#include "parameters/ParameterHelpers.h"

namespace cvl
{
enum class DistortionType
{
    Bitcrush,
    SampleAndHold,
    SoftClip,
    HardClip,
    Sine,
    Rectify
};
BOOST_DESCRIBE_ENUM (DistortionType, Bitcrush, SampleAndHold, SoftClip, HardClip, Sine, Rectify)
} // namespace cvl
