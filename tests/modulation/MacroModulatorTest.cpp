#include "modulation/MacroModulator.h"
#include "modulation/DirectorCallbacks.h"
#include "modulation/TransformController.h"
#include "support/DirectorAccess.h"

#include <gtest/gtest.h>

using cvl::MacroModulator;

namespace
{
// The parameter a creation handler would build from the macro's record.
std::unique_ptr<exl::Parameter> parameterOf (const exl::FloatParameterOptions& o)
{
    return std::make_unique<exl::Parameter> (o.identifier, o.name, o.caption, o.label, o.range,
                                             o.defaultValue, o.textFunction, o.parseFunction,
                                             o.changeCallback, o.versionHint);
}
} // namespace

TEST (MacroModulator, CreateIdIsMacroUnderscoreAndTheDecimalIndex)
{
    struct Case
    {
        int index;
        const char* id;
    };
    const Case cases[] = { { 1, "Macro_1" },   { 3, "Macro_3" }, { 4, "Macro_4" },
                           { 12, "Macro_12" }, { 0, "Macro_0" }, { -2, "Macro_-2" } };
    for (const auto& c : cases)
    {
        const auto id = MacroModulator::CreateId (c.index);
        EXPECT_EQ (id.toString(), c.id);
        // Pooled: the same text always comes back as the same shared string.
        EXPECT_EQ (id.getCharPointer().getAddress(), juce::Identifier (c.id).getCharPointer().getAddress());
    }
}

TEST (MacroModulator, EachMacroDeclaresItsNamedParameter)
{
    for (int index = 1; index <= 4; ++index)
    {
        cvl::ParameterDirector director;
        const MacroModulator macro (director, index);
        const auto label = juce::String (index);
        ASSERT_EQ (director.external.getFloatOptions().size(), 1u);
        EXPECT_TRUE (director.external.getBoolOptions().empty());
        EXPECT_TRUE (director.external.getChoiceOptions().empty());
        EXPECT_TRUE (director.internal.getFloatOptions().empty()); // macros are not modulated themselves

        const auto& o = cvl::test::findOptions (director.external.getFloatOptions(), "Macro_" + label);
        EXPECT_EQ (o.identifier, MacroModulator::CreateId (index));
        EXPECT_EQ (o.range.start, -1.0f);
        EXPECT_EQ (o.range.end, 1.0f);
        EXPECT_EQ (o.range.interval, 0.0f);
        EXPECT_EQ (o.range.skew, 1.0f);
        EXPECT_EQ (o.defaultValue, 0.0f);
        EXPECT_EQ (o.name, "Macro " + label);
        EXPECT_EQ (o.caption, "M" + label);
        EXPECT_TRUE (o.label.isEmpty());

        const auto parameter = parameterOf (o);
        EXPECT_EQ (parameter->getName (100), "Macro " + label);
        EXPECT_EQ (parameter->getDefaultValue(), 0.5f);
        // The position on the control, whatever the range: -1 shows as 0 %, the centre as 50 %.
        EXPECT_EQ (parameter->getText (0.0f, 100), "000%");
        EXPECT_EQ (parameter->getText (0.25f, 100), "025%");
        EXPECT_EQ (parameter->getText (0.5f, 100), "050%");
        EXPECT_EQ (parameter->getText (0.226516f, 100), "023%");
        EXPECT_EQ (parameter->getText (1.0f, 100), "100%");
    }
}

TEST (MacroModulator, FollowsItsParameterThroughTheDispatch)
{
    cvl::ParameterDirector director;
    const MacroModulator macro (director, 2);
    EXPECT_EQ (macro.getValue(), 0.0f);
    auto parameter = parameterOf (director.external.getFloatOptions().front());

    struct Case
    {
        float normalised, value;
    };
    const Case cases[] = {
        { 1.0f, 1.0f }, { 0.226516f, -0.546968f }, { 0.5f, 0.0f }, { 0.0f, -1.0f }, { 0.75f, 0.5f }
    };
    for (const auto& c : cases)
    {
        parameter->setValue (c.normalised);
        parameter->dispatchChange();
        EXPECT_NEAR (macro.getValue(), c.value, 1e-6f) << c.normalised;
    }
}

TEST (MacroModulator, TransformFollowsHalfTheMacroThroughItsAmount)
{
    cvl::ParameterDirector director;
    const MacroModulator macro (director, 2);
    cvl::Transform transform;
    const cvl::TransformController controller (director, { 1, 1 }, transform);
    cvl::test::callChange (director, "X_VectorSpace1Transform1_Macro2", 0.5f);
    for (const auto value : { -1.0f, -0.3f, 0.0f, 0.6f, 1.0f })
    {
        cvl::test::callChange (director, "Macro_2", value);
        cvl::MonoModulators::ValueTable mono{};
        mono[cvl::MonoModulators::index (cvl::MonoModulatorId::Macro2)] = macro.getValue();
        controller.applyModulators (mono);
        EXPECT_FLOAT_EQ (transform.x, value / 2.0f) << value;
        EXPECT_EQ (transform.y, 0.0f);
    }
}
