#include "modulation/TransformReference.h"

#include <gtest/gtest.h>

using cvl::Transform;
using cvl::test::ReferenceTransform;

namespace
{
Transform makeTransform (Transform::Type type, float x, float y, bool enabled = true)
{
    Transform t;
    t.type = static_cast<int> (type);
    t.x = x;
    t.y = y;
    t.enabled = enabled;
    return t;
}

constexpr float coordinates[] = { -1.5f, -1.0f, -0.6f, -0.25f, 0.0f, 0.3f, 0.75f, 1.0f, 1.3f };
constexpr float parameters[] = { -1.0f, -0.5f, -0.2f, 0.0f, 0.35f, 0.8f, 1.0f };
} // namespace

TEST (Transform, EveryKindMatchesTheReferenceOnAGridOfPointsAndParameters)
{
    for (const auto& [type, typeName] : cvl::ParameterHelpers::idNames<Transform::Type>)
        for (const auto x : parameters)
            for (const auto y : parameters)
            {
                const auto transform = makeTransform (type, x, y);
                const ReferenceTransform reference{ type, x, y };
                for (const auto vx : coordinates)
                    for (const auto vy : coordinates)
                    {
                        const auto actual = transform.perform ({ vx, vy });
                        const auto expected = reference ({ vx, vy });
                        const auto tolerance = ReferenceTransform::tolerance (type, { vx, vy });
                        ASSERT_NEAR (actual.x, expected.x, tolerance)
                            << typeName << " x=" << x << " y=" << y << " at (" << vx << ", " << vy << ")";
                        ASSERT_NEAR (actual.y, expected.y, tolerance)
                            << typeName << " x=" << x << " y=" << y << " at (" << vx << ", " << vy << ")";
                    }
            }
}

TEST (Transform, DisabledNoneOrUnknownTypesLeavePointsUnchanged)
{
    std::vector<Transform> identities;
    for (const auto& [type, name] : cvl::ParameterHelpers::idNames<Transform::Type>)
        identities.push_back (makeTransform (type, 0.7f, -0.4f, false));
    identities.push_back (makeTransform (Transform::Type::None, 0.7f, -0.4f));
    auto unknown = makeTransform (Transform::Type::Translate, 0.7f, -0.4f);
    for (const auto type : { -1, 8, 100 })
    {
        unknown.type = type;
        identities.push_back (unknown);
    }
    for (const auto& t : identities)
        for (const auto vx : coordinates)
        {
            const auto image = t.perform ({ vx, -vx / 2.0f });
            EXPECT_EQ (image.x, vx) << "type " << t.type << " enabled " << t.enabled;
            EXPECT_EQ (image.y, -vx / 2.0f) << "type " << t.type << " enabled " << t.enabled;
        }
}

TEST (Transform, NamedCasesBehaveAsDescribed)
{
    struct Case
    {
        const char* what;
        Transform::Type type;
        float x, y;
        cvl::VectorSpace::Vector in, out;
        float tolerance;
    };
    const Case cases[] = {
        { "half a turn for x = 1, a quarter for 0.5",
          Transform::Type::Rotate,
          0.5f,
          0.9f,
          { 1, 0 },
          { 0, 1 },
          1e-4f },
        { "rotation by -1 is half a turn",
          Transform::Type::Rotate,
          -1.0f,
          0.0f,
          { 0.5f, 0.25f },
          { -0.5f, -0.25f },
          1e-4f },
        { "scale by zero collapses", Transform::Type::Scale, 0.0f, 0.0f, { 0.7f, -0.3f }, { 0, 0 }, 0.0f },
        { "modulo 1 keeps inner points",
          Transform::Type::Modulo,
          1.0f,
          1.0f,
          { 0.5f, 0 },
          { 0.5f, 0 },
          0.0f },
        { "modulo 1 wraps 1.3 to -0.7",
          Transform::Type::Modulo,
          1.0f,
          1.0f,
          { 1.3f, -1.3f },
          { -0.7f, 0.7f },
          1e-6f },
        { "modulo -1 collapses", Transform::Type::Modulo, -1.0f, -1.0f, { 0.9f, -0.4f }, { 0, 0 }, 0.0f },
        { "warp at zero is (0, sin vy)",
          Transform::Type::Warp,
          0.0f,
          0.0f,
          { 0.6f, 0.8f },
          { 0, std::sin (0.8f) },
          1e-7f },
        { "swirl at zero is the identity",
          Transform::Type::Swirl,
          0.0f,
          0.0f,
          { 0.6f, -0.8f },
          { 0.6f, -0.8f },
          1e-4f },
        { "swirl y = 1 turns half round",
          Transform::Type::Swirl,
          0.0f,
          1.0f,
          { 0.6f, -0.8f },
          { -0.6f, 0.8f },
          1e-4f },
        { "cosine at zero amplitude",
          Transform::Type::Cosine,
          0.0f,
          0.7f,
          { 0.6f, -0.8f },
          { 0.6f, -0.8f },
          0.0f },
    };
    for (const auto& c : cases)
    {
        const auto image = makeTransform (c.type, c.x, c.y).perform (c.in);
        EXPECT_NEAR (image.x, c.out.x, c.tolerance) << c.what;
        EXPECT_NEAR (image.y, c.out.y, c.tolerance) << c.what;
    }
}

TEST (Transform, WrapFoldsIntoTheSymmetricRange)
{
    struct Case
    {
        float a, h, expected;
    };
    const Case cases[] = {
        { 0.4f, 0.0f, 0.0f },   { 1.3f, 1.0f, -0.7f },  { -1.3f, 1.0f, 0.7f }, { 1.0f, 1.0f, 1.0f },
        { -1.0f, 1.0f, -1.0f }, { 3.0f, 1.0f, -1.0f },  { -3.0f, 1.0f, 1.0f }, { 0.7f, -0.5f, -0.3f },
        { 5.5f, 0.5f, -0.5f },  { 0.25f, 0.5f, 0.25f }, { -7.0f, 2.0f, 1.0f }, { 9.0f, 2.0f, 1.0f },
    };
    for (const auto& c : cases)
    {
        EXPECT_NEAR (Transform::wrap (c.a, c.h), c.expected, 1e-6f) << c.a << " into " << c.h;
        EXPECT_NEAR (Transform::wrap (c.a, c.h), ReferenceTransform::fold (c.a, c.h), 1e-6f)
            << c.a << " into " << c.h;
    }
}
