#include "Transform.h"

#include <juce_dsp/juce_dsp.h>

namespace cvl
{
namespace
{
    using Fast = juce::dsp::FastMathApproximations;

    constexpr auto pi = juce::MathConstants<float>::pi;
    constexpr auto twoPi = juce::MathConstants<float>::twoPi;
    constexpr auto halfPi = juce::MathConstants<float>::halfPi;
    // Radians of swirl per unit of distance from the centre at x = 1.
    constexpr float swirlRadiansPerRadius = 5.0f;
    constexpr float warpFactor = 2.0f;

    VectorSpace::Vector rotate (VectorSpace::Vector v, float x) noexcept
    {
        const auto angle = pi * x;
        const auto c = Fast::cos (angle);
        const auto s = Fast::sin (angle);
        return { v.x * c - v.y * s, v.x * s + v.y * c };
    }

    VectorSpace::Vector modulo (VectorSpace::Vector v, float x, float y) noexcept
    {
        return { Transform::wrap (v.x, (x + 1.0f) / 2.0f), Transform::wrap (v.y, (y + 1.0f) / 2.0f) };
    }

    // The cosine's argument reaches +-2 pi for points inside the square; outside -pi ... pi the
    // approximation's own value is used.
    VectorSpace::Vector cosine (VectorSpace::Vector v, float x, float y) noexcept
    {
        return { v.x, v.y + x * Fast::cos (pi * v.x + pi * y) };
    }

    VectorSpace::Vector swirl (VectorSpace::Vector v, float x, float y) noexcept
    {
        const auto radius = std::hypot (v.x, v.y);
        // The polar angle of v, in -3 pi / 2 ... pi / 2.
        const auto angle = std::atan2 (v.x, -v.y) - halfPi;
        const auto turned = Transform::wrap (angle + swirlRadiansPerRadius * x * radius - pi * y, pi);
        return { radius * Fast::cos (turned), radius * Fast::sin (turned) };
    }

    VectorSpace::Vector warp (VectorSpace::Vector v, float x, float y) noexcept
    {
        return { std::sin (twoPi * y * v.y + warpFactor * x * v.x),
                 std::sin (twoPi * x * v.x + warpFactor * y + v.y) };
    }
} // namespace

float Transform::wrap (float a, float h) noexcept
{
    if (h == 0.0f)
        return 0.0f;
    h = std::abs (h);
    const auto below = a < -h;
    const auto e = below ? -a : a;
    if (e == h)
        return a;
    const auto r = std::fmod (e + h, 2.0f * h) - h;
    return below ? -r : r;
}

VectorSpace::Vector Transform::perform (const VectorSpace::Vector& v) const noexcept
{
    if (! enabled)
        return v;

    switch (static_cast<Type> (type))
    {
        case Type::Translate:
            return { v.x + x, v.y + y };
        case Type::Scale:
            return { v.x * x, v.y * y };
        case Type::Rotate:
            return rotate (v, x);
        case Type::Modulo:
            return modulo (v, x, y);
        case Type::Cosine:
            return cosine (v, x, y);
        case Type::Swirl:
            return swirl (v, x, y);
        case Type::Warp:
            return warp (v, x, y);
        case Type::None:
        default:
            return v;
    }
}
} // namespace cvl
