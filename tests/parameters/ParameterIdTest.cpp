#include "parameters/ParameterId.h"

#include <gtest/gtest.h>

using cvl::ParameterId;

TEST (ParameterId, SplitsIntoThreeFieldsAndJoinsBack)
{
    struct Case
    {
        const char* text;
        const char* name;
        const char* modClass;
        const char* modulator;
        const char* joined;
    };
    const Case cases[] = {
        { "DelayTime0_Effect_VectorSpace2Y", "DelayTime0", "Effect", "VectorSpace2Y",
          "DelayTime0_Effect_VectorSpace2Y" },
        { "VoiceCount", "VoiceCount", "", "", "VoiceCount" },
        { "Macro_3", "Macro", "3", "", "Macro_3" },
        { "Frequency_Lfo3", "Frequency", "Lfo3", "", "Frequency_Lfo3" },
        { "a_b_c_d", "a", "b", "c", "a_b_c" },
        { "a__c", "a", "", "c", "a_c" },
    };
    for (const auto& c : cases)
    {
        const auto id = ParameterId::fromString (c.text);
        EXPECT_EQ (id.name, c.name) << c.text;
        EXPECT_EQ (id.modClass, c.modClass) << c.text;
        EXPECT_EQ (id.modulator, c.modulator) << c.text;
        EXPECT_EQ (id.toIdentifier().toString(), c.joined) << c.text;
    }
}

TEST (ParameterId, IdentifiersArePooled)
{
    const auto a = ParameterId{ "Frequency", "Lfo1", "Macro2" }.toIdentifier();
    const auto b = ParameterId::fromString ("Frequency_Lfo1_Macro2").toIdentifier();
    EXPECT_EQ (a.getCharPointer().getAddress(), b.getCharPointer().getAddress());
}

TEST (ParameterId, DisplayStringsSeparateWordsAndDigits)
{
    const std::pair<const char*, const char*> cases[] = {
        { "DelayTime0", "Delay Time 0" },
        { "VectorSpace1Transform2", "Vector Space 1 Transform 2" },
        { "Frequency", "Frequency" },
        { "X", "X" },
        { "Lfo12", "Lfo 1 2" },
        { "Macro_1", "Macro  1" },
        { "_X_", "X" },
        { "", "" },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ (ParameterId::toDisplayString (text), expected) << text;
}

TEST (ParameterId, ParamNameIsTheTextBeforeTheFirstDigit)
{
    const std::pair<const char*, const char*> cases[] = {
        { "DelayTime0_Effect", "DelayTime" },
        { "ProcessorType1", "ProcessorType" },
        { "Mix", "" },
        { "0abc", "" },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ (cvl::getParamName (text), expected) << text;
}
