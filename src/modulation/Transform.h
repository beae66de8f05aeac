#pragma once

#include "parameters/ParameterHelpers.h"

namespace cvl
{
// One reshaping step of a vector space.
class Transform
{
public:
    enum class Type
    {
        None,
        Translate,
        Scale,
        Rotate,
        Modulo,
        Cosine,
        Swirl,
        Warp
    };
    BOOST_DESCRIBE_NESTED_ENUM (Type, None, Translate, Scale, Rotate, Modulo, Cosine, Swirl, Warp)
};
} // namespace cvl
