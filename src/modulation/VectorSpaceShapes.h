#pragma once

#include "parameters/ParameterHelpers.h"

namespace cvl
{
// The initial layouts of a vector space's voices.
enum class VectorSpaceShapes
{
    Circle,
    Horizontal,
    Vertical,
    Identity,
    Inverse,
    Curves,
    Pyramid
};
BOOST_DESCRIBE_ENUM (VectorSpaceShapes, Circle, Horizontal, Vertical, Identity, Inverse, Curves, Pyramid)
} // namespace cvl
