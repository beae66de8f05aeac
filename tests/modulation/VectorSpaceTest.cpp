#include "modulation/DirectorCallbacks.h"
#include "modulation/TransformReference.h"
#include "modulation/VectorSpaceController.h"
#include "modulation/VectorSpaceShapes.h"

#include <gtest/gtest.h>

using cvl::Transform;
using cvl::VectorSpaceShapes;
using cvl::test::ReferenceTransform;

namespace
{
// One vector space with its controller (index 2), as the processor holds them.
struct SpaceFixture
{
    cvl::ParameterDirector director;
    cvl::VectorSpaceProcessor space;
    cvl::VectorSpaceController controller{ director, 2, space };

    void layOut (VectorSpaceShapes shape, std::size_t voices)
    {
        space.voiceCount = voices;
        cvl::test::callChange (director, "Shape_VectorSpace2", static_cast<float> (shape));
    }
    void set (const juce::String& id, float value) { cvl::test::callChange (director, id, value); }
};

// The shapes from their definitions: N points evenly spread along a line from -1 to 1, or at N even
// angles on the unit circle from the top turning towards +x; later slots continue the progression.
ReferenceTransform::Point referenceShape (VectorSpaceShapes shape, std::size_t voices, std::size_t slot)
{
    constexpr auto pi = juce::MathConstants<double>::pi;
    if (voices <= 1)
        return { 0.0, 0.0 };
    const auto i = static_cast<double> (slot);
    const auto n = static_cast<double> (voices);
    const auto d = -1.0 + 2.0 * i / (n - 1.0);
    switch (shape)
    {
        case VectorSpaceShapes::Circle:
            return { std::sin (2.0 * pi * i / n), std::cos (2.0 * pi * i / n) };
        case VectorSpaceShapes::Horizontal:
            return { d, 0.0 };
        case VectorSpaceShapes::Vertical:
            return { 0.0, d };
        case VectorSpaceShapes::Identity:
            return { d, d };
        case VectorSpaceShapes::Inverse:
            return { d, -d };
        case VectorSpaceShapes::Curves:
            return { d * std::abs (d), std::sin (d * pi / 2.0) };
        case VectorSpaceShapes::Pyramid:
            return slot % 2 == 0 ? ReferenceTransform::Point{ 0.0, d } : ReferenceTransform::Point{ d, 0.0 };
    }
    return { 0.0, 0.0 };
}
} // namespace

TEST (VectorSpace, EveryInitialShapeMatchesItsDefinitionForSeveralVoiceCounts)
{
    for (const auto voices : { 1u, 2u, 3u, 4u, 5u, 16u })
        for (const auto& [shape, name] : cvl::ParameterHelpers::idNames<VectorSpaceShapes>)
        {
            SpaceFixture f;
            f.layOut (shape, voices);
            for (std::size_t i = 0; i < cvl::maxVoices; ++i)
            {
                const auto expected = referenceShape (shape, voices, i);
                // Accumulated single-precision steps drift by a few units in the last place per step.
                const auto tolerance = 1e-5 * (1.0 + std::abs (expected.x) + std::abs (expected.y));
                EXPECT_NEAR (f.space.initial.x[i], expected.x, tolerance)
                    << name << " N=" << voices << " slot " << i;
                EXPECT_NEAR (f.space.initial.y[i], expected.y, tolerance)
                    << name << " N=" << voices << " slot " << i;
                if (i < voices)
                {
                    EXPECT_LE (std::abs (f.space.initial.x[i]), 1.0f + 1e-6f);
                    EXPECT_LE (std::abs (f.space.initial.y[i]), 1.0f + 1e-6f);
                }
            }
        }
}

TEST (VectorSpace, NamedLayoutsPlaceTheirVoices)
{
    struct Case
    {
        VectorSpaceShapes shape;
        std::size_t voices;
        std::vector<cvl::VectorSpace::Vector> points;
    };
    const Case cases[] = {
        { VectorSpaceShapes::Curves, 1, { { 0, 0 } } },
        { VectorSpaceShapes::Horizontal, 2, { { -1, 0 }, { 1, 0 } } },
        { VectorSpaceShapes::Curves, 3, { { -1, -1 }, { 0, 0 }, { 1, 1 } } },
        { VectorSpaceShapes::Circle, 4, { { 0, 1 }, { 1, 0 }, { 0, -1 }, { -1, 0 } } },
        { VectorSpaceShapes::Pyramid, 5, { { 0, -1 }, { -0.5f, 0 }, { 0, 0 }, { 0.5f, 0 }, { 0, 1 } } },
    };
    for (const auto& c : cases)
    {
        SpaceFixture f;
        f.layOut (c.shape, c.voices);
        for (std::size_t i = 0; i < c.points.size(); ++i)
        {
            EXPECT_NEAR (f.space.initial.x[i], c.points[i].x, 1e-6f)
                << cvl::ParameterHelpers::enumName (c.shape) << " " << i;
            EXPECT_NEAR (f.space.initial.y[i], c.points[i].y, 1e-6f)
                << cvl::ParameterHelpers::enumName (c.shape) << " " << i;
        }
    }
}

TEST (VectorSpace, AShapeOutsideTheListLaysOutTheCircle)
{
    SpaceFixture f, circle;
    f.layOut (static_cast<VectorSpaceShapes> (9), 6);
    circle.layOut (VectorSpaceShapes::Circle, 6);
    EXPECT_EQ (f.space.initial.x, circle.space.initial.x);
    EXPECT_EQ (f.space.initial.y, circle.space.initial.y);
}

TEST (VectorSpace, ApplyTransformMapsEverySlotAndWorksInPlace)
{
    cvl::VectorSpace space, out;
    for (std::size_t i = 0; i < cvl::maxVoices; ++i)
    {
        space.x[i] = static_cast<float> (i) / 8.0f - 1.0f;
        space.y[i] = 0.5f - static_cast<float> (i) / 16.0f;
    }
    Transform t;
    t.type = static_cast<int> (Transform::Type::Rotate);
    t.x = 0.3f;
    space.applyTransform (t, out);
    auto inPlace = space;
    inPlace.applyTransform (t, inPlace);
    for (std::size_t i = 0; i < cvl::maxVoices; ++i)
    {
        const auto image = t.perform ({ space.x[i], space.y[i] });
        EXPECT_EQ (out.x[i], image.x);
        EXPECT_EQ (out.y[i], image.y);
        EXPECT_EQ (inPlace.x[i], image.x);
        EXPECT_EQ (inPlace.y[i], image.y);
    }
}

TEST (VectorSpace, TransformationChainsFourTransformsAndClampsWithoutAccumulating)
{
    struct Step
    {
        Transform::Type type;
        float x, y;
        bool enabled;
    };
    const std::vector<std::array<Step, 4>> chains{
        { { { Transform::Type::Translate, 0.8f, -0.3f, true },
            { Transform::Type::Modulo, 1.0f, 0.2f, true },
            { Transform::Type::Rotate, 0.25f, 0.0f, true },
            { Transform::Type::Swirl, 0.4f, -0.1f, true } } },
        { { { Transform::Type::Scale, 1.0f, -1.0f, true },
            { Transform::Type::Cosine, 0.6f, 0.3f, true },
            { Transform::Type::Warp, 0.5f, 0.2f, true },
            { Transform::Type::Translate, 0.9f, 0.9f, true } } },
        { { { Transform::Type::Translate, 0.8f, 0.8f, false },
            { Transform::Type::Scale, 0.0f, 0.0f, false },
            { Transform::Type::Rotate, 0.5f, 0.0f, false },
            { Transform::Type::Warp, 0.3f, 0.3f, false } } },
    };
    for (const auto& chain : chains)
    {
        SpaceFixture f;
        f.layOut (VectorSpaceShapes::Identity, 5);
        for (std::size_t t = 0; t < 4; ++t)
            f.space.transforms[t] = { chain[t].enabled, static_cast<int> (chain[t].type), chain[t].x,
                                      chain[t].y };
        const auto initial = f.space.initial;
        f.space.performTransformation();
        f.space.performTransformation();

        EXPECT_EQ (f.space.initial.x, initial.x);
        for (std::size_t i = 0; i < cvl::maxVoices; ++i)
        {
            EXPECT_LE (std::abs (f.space.transformed.x[i]), 1.0f);
            EXPECT_LE (std::abs (f.space.transformed.y[i]), 1.0f);
        }
        for (std::size_t i = 0; i < 5; ++i)
        {
            ReferenceTransform::Point p{ initial.x[i], initial.y[i] };
            auto tolerance = 0.0;
            for (const auto& step : chain)
            {
                tolerance += ReferenceTransform::tolerance (step.type, p) * 4.0;
                p = ReferenceTransform{ step.type, step.x, step.y, step.enabled }(p);
            }
            EXPECT_NEAR (f.space.transformed.x[i], std::clamp (p.x, -1.0, 1.0), tolerance) << i;
            EXPECT_NEAR (f.space.transformed.y[i], std::clamp (p.y, -1.0, 1.0), tolerance) << i;
        }
    }
}

TEST (VectorSpace, ControllerAppliesModulatedTransformParameters)
{
    SpaceFixture f;
    f.set ("Type_VectorSpace2Transform3", 1.0f);
    f.set ("Enable_VectorSpace2Transform3", 0.0f);
    f.set ("X_VectorSpace2Transform3", 0.5f);
    f.set ("X_VectorSpace2Transform3_Lfo1", 1.0f);
    f.set ("Y_VectorSpace2Transform3", 0.2f);
    f.set ("Y_VectorSpace2Transform3_Macro2", 0.5f);
    f.set ("X_VectorSpace2Transform1", -0.25f);

    cvl::MonoModulators::ValueTable mono{};
    mono[cvl::MonoModulators::index (cvl::MonoModulatorId::Lfo1)] = 0.8f;
    mono[cvl::MonoModulators::index (cvl::MonoModulatorId::Macro2)] = -1.0f;
    f.controller.applyModulators (mono);

    const auto& third = f.space.transforms[2];
    EXPECT_EQ (third.type, static_cast<int> (Transform::Type::Translate));
    EXPECT_FALSE (third.enabled);
    EXPECT_EQ (third.x, 1.0f);           // 0.5 + 0.8 clamped
    EXPECT_NEAR (third.y, -0.3f, 1e-6f); // 0.2 - 0.5
    EXPECT_EQ (f.space.transforms[0].x, -0.25f);
    EXPECT_EQ (f.space.transforms[1].x, 0.0f);
}
