#include "parameters/DspParameter.h"
#include "parameters/ParameterTextFunctions.h"

#include <gtest/gtest.h>

namespace
{
// Holds a parameter with its director, and sets base and amounts through the change callbacks the
// parameter registered, the way the dispatch would.
struct DspParameterFixture
{
    cvl::ParameterDirector director;
    cvl::DspParameter parameter{ director, cvl::ParameterId{ "DelayTime0", "Effect", "" }, 0.5f,
                                 cvl::ParameterTextFunctions::Percent };
    cvl::VectorSpaceProcessors spaces{};

    void setBase (float value) { director.external.getFloatOptions().front().changeCallback (value); }
    void setAmount (cvl::PolyModulatorId id, float value)
    {
        director.internal.getFloatOptions()[cvl::PolyModulators::index (id)].changeCallback (value);
    }
};
} // namespace

TEST (DspParameter, RegistersTheBaseAndSixAmounts)
{
    DspParameterFixture f;
    ASSERT_EQ (f.director.external.getFloatOptions().size(), 1u);
    const auto& base = f.director.external.getFloatOptions().front();
    EXPECT_EQ (base.identifier.toString(), "DelayTime0_Effect");
    EXPECT_EQ (base.name, "DelayTime0");
    EXPECT_EQ (base.defaultValue, 0.5f);
    juce::StringArray amounts;
    for (const auto& options : f.director.internal.getFloatOptions())
    {
        amounts.add (options.identifier.toString());
        EXPECT_EQ (options.range.start, -1.0f);
        EXPECT_EQ (options.defaultValue, 0.0f);
    }
    EXPECT_EQ (
        amounts.joinIntoString (","),
        "DelayTime0_Effect_VectorSpace1X,DelayTime0_Effect_VectorSpace1Y,DelayTime0_Effect_VectorSpace2X,"
        "DelayTime0_Effect_VectorSpace2Y,DelayTime0_Effect_VectorSpace3X,DelayTime0_Effect_VectorSpace3Y");
}

TEST (DspParameter, WithoutAmountsEveryVoiceGetsTheBase)
{
    DspParameterFixture f;
    f.setBase (0.5f);
    for (std::size_t i = 0; i < cvl::maxVoices; ++i)
        f.spaces[0].transformed.x[i] = static_cast<float> (i) / 8.0f - 1.0f;
    f.parameter.calculateValues (f.spaces);
    for (const auto value : f.parameter.getValues())
        EXPECT_EQ (value, 0.5f);
}

TEST (DspParameter, CoordinatesDisplaceTheBaseAndClamp)
{
    struct Case
    {
        cvl::PolyModulatorId modulator;
        float amount, coordinate, expected;
    };
    const Case cases[] = {
        { cvl::PolyModulatorId::VectorSpace1X, 1.0f, -1.0f, 0.0f },
        { cvl::PolyModulatorId::VectorSpace1X, 1.0f, 0.25f, 0.75f },
        { cvl::PolyModulatorId::VectorSpace1X, 1.0f, 1.0f, 1.0f },
        { cvl::PolyModulatorId::VectorSpace1X, -0.5f, 1.0f, 0.0f },
        { cvl::PolyModulatorId::VectorSpace1X, -0.25f, 1.0f, 0.25f },
        { cvl::PolyModulatorId::VectorSpace2Y, 0.25f, -1.0f, 0.25f },
        { cvl::PolyModulatorId::VectorSpace3X, 0.5f, 0.5f, 0.75f },
    };
    for (const auto& c : cases)
    {
        DspParameterFixture f;
        f.setBase (0.5f);
        f.setAmount (c.modulator, c.amount);
        const auto row = cvl::PolyModulators::index (c.modulator);
        auto& space = f.spaces[row / 2].transformed;
        (row % 2 == 0 ? space.x : space.y)[3] = c.coordinate;
        f.parameter.calculateValues (f.spaces);
        EXPECT_FLOAT_EQ (f.parameter.getValues()[3], c.expected) << cvl::PolyModulators::name (c.modulator);
        EXPECT_FLOAT_EQ (f.parameter.getValues()[2], 0.5f);
    }
}
