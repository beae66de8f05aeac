#pragma once

#include "modulation/Transform.h"

#include <juce_dsp/juce_dsp.h>

#include <cmath>

namespace cvl::test
{
// The transforms written out plainly, in double precision, for comparison with the production code.
struct ReferenceTransform
{
    Transform::Type type = Transform::Type::None;
    double x = 0.0, y = 0.0;
    bool enabled = true;

    struct Point
    {
        double x, y;
    };

    // Folds a into -h ... h by whole periods 2h; exactly +-h stays as it is.
    static double fold (double a, double h)
    {
        if (h == 0.0)
            return 0.0;
        h = std::abs (h);
        if (std::abs (a) == h)
            return a;
        auto r = a;
        if (a > h)
            while (r >= h)
                r -= 2.0 * h;
        if (a < -h)
            while (r <= -h)
                r += 2.0 * h;
        return r;
    }

    Point operator() (Point v) const
    {
        constexpr auto pi = juce::MathConstants<double>::pi;
        if (! enabled)
            return v;
        switch (type)
        {
            case Transform::Type::Translate:
                return { v.x + x, v.y + y };
            case Transform::Type::Scale:
                return { v.x * x, v.y * y };
            case Transform::Type::Rotate:
                return { v.x * std::cos (pi * x) - v.y * std::sin (pi * x),
                         v.x * std::sin (pi * x) + v.y * std::cos (pi * x) };
            case Transform::Type::Modulo:
                return { fold (v.x, (x + 1.0) / 2.0), fold (v.y, (y + 1.0) / 2.0) };
            case Transform::Type::Cosine:
                // Defined by the fast approximation, also where its argument leaves -pi ... pi.
                return { v.x, v.y + x * juce::dsp::FastMathApproximations::cos (pi * v.x + pi * y) };
            case Transform::Type::Swirl:
            {
                const auto r = std::sqrt (v.x * v.x + v.y * v.y);
                const auto angle = std::atan2 (v.y, v.x) + 5.0 * x * r - pi * y;
                return { r * std::cos (angle), r * std::sin (angle) };
            }
            case Transform::Type::Warp:
                return { std::sin (2.0 * pi * y * v.y + 2.0 * x * v.x),
                         std::sin (2.0 * pi * x * v.x + 2.0 * y + v.y) };
            case Transform::Type::None:
            default:
                return v;
        }
    }

    // Largest difference the single-precision fast approximations may leave at this distance from the centre.
    static double tolerance (Transform::Type type, Point v)
    {
        const auto r = std::sqrt (v.x * v.x + v.y * v.y);
        switch (type)
        {
            case Transform::Type::Rotate:
            case Transform::Type::Swirl:
                return 1e-4 * (1.0 + r);
            case Transform::Type::Cosine:
                return 1e-4;
            case Transform::Type::Warp:
                return 1e-5;
            default:
                return 2e-6 * (1.0 + r);
        }
    }
};
} // namespace cvl::test
