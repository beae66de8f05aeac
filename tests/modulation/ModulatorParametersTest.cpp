#include "modulation/ModulationOwners.h"

#include <gtest/gtest.h>

namespace
{
juce::String n (int i) { return juce::String (i); }

enum class Text
{
    Percent,
    BigPercent,
    None
};

struct ExpectedFloat
{
    juce::String id;
    float defaultValue;
    juce::String name, caption;
    Text text;
};

struct ExpectedSwitch
{
    juce::String id;
    bool defaultValue;
};

struct ExpectedChoice
{
    juce::String id;
    juce::StringArray choices;
};

// The modulators' part of the parameter list, written out from its tables in declaration order:
// macros, then each LFO, then each vector space with its four transforms.
struct ExpectedList
{
    std::vector<ExpectedFloat> floats, amounts;
    std::vector<ExpectedSwitch> switches;
    std::vector<ExpectedChoice> choices;

    ExpectedList()
    {
        const juce::StringArray lfoShapes{ " Sine", " Cosine", " Bounce", " Square", " Saw", " Triangle" };
        const juce::StringArray syncTypes{ " Free", " Standard", " Triplet" };
        const juce::StringArray transformTypes{ " None",   " Translate", " Scale", " Rotate",
                                                " Modulo", " Cosine",    " Swirl", " Warp" };
        const juce::StringArray spaceShapes{ " Circle",  " Horizontal", " Vertical", " Identity",
                                             " Inverse", " Curves",     " Pyramid" };
        const juce::StringArray monoModulators{ "Macro1", "Macro2", "Macro3", "Macro4", "Lfo1",
                                                "Lfo2",   "Lfo3",   "Lfo4",   "Lfo5",   "Lfo6" };
        const auto modulated = [&] (const juce::String& id, float value, const juce::String& name, Text text)
        {
            floats.push_back ({ id, value, name, name, text });
            for (const auto& modulator : monoModulators)
                amounts.push_back ({ id + "_" + modulator, 0.0f, {}, {}, Text::None });
        };

        for (int m = 1; m <= 4; ++m)
            floats.push_back ({ "Macro_" + n (m), 0.0f, "Macro " + n (m), "M" + n (m), Text::Percent });
        for (int l = 1; l <= 6; ++l)
        {
            const auto lfo = "_Lfo" + n (l);
            modulated ("Frequency" + lfo, 0.0f, "Frequency", Text::Percent);
            modulated ("Scale" + lfo, 1.0f, "Scale", Text::Percent);
            switches.push_back ({ "Enable" + lfo, true });
            choices.push_back ({ "Shape" + lfo, lfoShapes });
            choices.push_back ({ "SyncType" + lfo, syncTypes });
        }
        for (int k = 1; k <= 3; ++k)
        {
            for (int t = 1; t <= 4; ++t)
            {
                const auto transform = "_VectorSpace" + n (k) + "Transform" + n (t);
                modulated ("X" + transform, 0.0f, "X", Text::BigPercent);
                modulated ("Y" + transform, 0.0f, "Y", Text::BigPercent);
                choices.push_back ({ "Type" + transform, transformTypes });
                switches.push_back ({ "Enable" + transform, true });
            }
            choices.push_back ({ "Shape_VectorSpace" + n (k), spaceShapes });
        }
    }
};

// The value texts at the ends and the centre of a -1 ... 1 control.
juce::StringArray textsAtEndsAndCentre (const exl::FloatParameterOptions& o)
{
    const exl::Parameter parameter (o.identifier, o.name, o.caption, o.label, o.range, o.defaultValue,
                                    o.textFunction, o.parseFunction, {}, o.versionHint);
    return { parameter.getText (0.0f, 100), parameter.getText (0.5f, 100), parameter.getText (1.0f, 100) };
}

juce::StringArray expectedTexts (Text text)
{
    switch (text)
    {
        case Text::Percent:
            return { "000%", "050%", "100%" };
        case Text::BigPercent:
            return { "-100%", " 000%", " 100%" };
        case Text::None:
            return { "0.0", "0.5", "1.0" };
    }
    return {};
}

void expectFloats (const std::deque<exl::FloatParameterOptions>& actual,
                   const std::vector<ExpectedFloat>& expected)
{
    ASSERT_EQ (actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
    {
        const auto& o = actual[i];
        const auto& e = expected[i];
        EXPECT_EQ (o.identifier.toString(), e.id) << "float " << i;
        EXPECT_EQ (o.range.start, -1.0f) << e.id;
        EXPECT_EQ (o.range.end, 1.0f) << e.id;
        EXPECT_EQ (o.range.interval, 0.0f) << e.id;
        EXPECT_EQ (o.range.skew, 1.0f) << e.id;
        EXPECT_EQ (o.defaultValue, e.defaultValue) << e.id;
        EXPECT_EQ (o.name, e.name) << e.id;
        EXPECT_EQ (o.caption, e.caption) << e.id;
        EXPECT_EQ (o.label, "") << e.id;
        EXPECT_EQ (static_cast<bool> (o.textFunction), e.text != Text::None) << e.id;
        EXPECT_EQ (textsAtEndsAndCentre (o), expectedTexts (e.text)) << e.id;
        EXPECT_TRUE (static_cast<bool> (o.changeCallback)) << e.id;
        EXPECT_EQ (o.versionHint, 1) << e.id;
    }
}
} // namespace

TEST (ModulatorParameters, OwnersDeclareExactlyTheListedParametersInOrder)
{
    cvl::test::ModulationOwners owners;
    const ExpectedList expected;
    const auto& external = owners.director.external;
    const auto& internal = owners.director.internal;
    ASSERT_EQ (expected.floats.size(), 4u + 12u + 24u);
    ASSERT_EQ (expected.amounts.size(), 360u);

    expectFloats (external.getFloatOptions(), expected.floats);
    expectFloats (internal.getFloatOptions(), expected.amounts);
    EXPECT_TRUE (external.getIntOptions().empty());
    EXPECT_TRUE (internal.getIntOptions().empty());
    EXPECT_TRUE (internal.getBoolOptions().empty());
    EXPECT_TRUE (internal.getChoiceOptions().empty());

    const auto& switches = external.getBoolOptions();
    ASSERT_EQ (switches.size(), expected.switches.size());
    for (std::size_t i = 0; i < switches.size(); ++i)
    {
        EXPECT_EQ (switches[i].identifier.toString(), expected.switches[i].id) << "switch " << i;
        EXPECT_EQ (switches[i].defaultValue, expected.switches[i].defaultValue) << expected.switches[i].id;
        EXPECT_TRUE (switches[i].name.isEmpty()) << expected.switches[i].id;
        EXPECT_TRUE (switches[i].caption.isEmpty()) << expected.switches[i].id;
        EXPECT_FALSE (static_cast<bool> (switches[i].textFunction)) << expected.switches[i].id;
        EXPECT_TRUE (static_cast<bool> (switches[i].changeCallback)) << expected.switches[i].id;
    }

    const auto& choices = external.getChoiceOptions();
    ASSERT_EQ (choices.size(), expected.choices.size());
    for (std::size_t i = 0; i < choices.size(); ++i)
    {
        EXPECT_EQ (choices[i].identifier.toString(), expected.choices[i].id) << "choice " << i;
        EXPECT_EQ (choices[i].choices, expected.choices[i].choices) << expected.choices[i].id;
        EXPECT_EQ (choices[i].defaultIndex, 0) << expected.choices[i].id;
        EXPECT_TRUE (choices[i].name.isEmpty()) << expected.choices[i].id;
        EXPECT_TRUE (choices[i].caption.isEmpty()) << expected.choices[i].id;
        EXPECT_TRUE (static_cast<bool> (choices[i].changeCallback)) << expected.choices[i].id;
    }
}
