#pragma once

#include "modulation/Modulators.h"

#include <array>

namespace cvl
{
class Transform;

// The points of all 16 voice slots, x values and y values in two arrays.
class VectorSpace
{
public:
    struct Vector
    {
        float x = 0.0f;
        float y = 0.0f;
    };

    std::array<float, maxVoices> x{};
    std::array<float, maxVoices> y{};
    std::size_t size = maxVoices;

    // out[i] = t.perform ((x[i], y[i])) for every slot; out may be this space itself.
    void applyTransform (const Transform& transform, VectorSpace& out) const noexcept;
};
} // namespace cvl
