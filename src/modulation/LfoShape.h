#pragma once

#include "parameters/ParameterHelpers.h"

namespace cvl
{
enum class LfoShape
{
    Sine,
    Cosine,
    Bounce,
    Square,
    Saw,
    Triangle
};
BOOST_DESCRIBE_ENUM (LfoShape, Sine, Cosine, Bounce, Square, Saw, Triangle)
} // namespace cvl
