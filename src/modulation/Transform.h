#pragma once

#include "modulation/VectorSpace.h"
#include "parameters/ParameterHelpers.h"

namespace cvl
{
// One reshaping step of a vector space: a point-to-point map of the plane chosen by its type, with two
// parameters x and y in -1 ... 1 whose meaning depends on the type. A plain value; audio thread only.
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

    // The image of v; v itself when disabled or when the type is None or outside the enumeration.
    [[nodiscard]] VectorSpace::Vector perform (const VectorSpace::Vector& v) const noexcept;

    // Folds a into -h ... h (h = |h|); 0 for h = 0, a itself when its magnitude is exactly h.
    [[nodiscard]] static float wrap (float a, float h) noexcept;

    bool enabled = true;
    int type = static_cast<int> (Type::Translate);
    float x = 0.0f;
    float y = 0.0f;
};
} // namespace cvl
