#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

namespace
{
struct Expected
{
    juce::String id, name, caption;
    float defaultValue;
    juce::String text;
};

// The host-visible parameters in host order, written out from the rules of the parameter list:
// floats, then the whole number, then switches, then choices, each kind in declaration order.
std::vector<Expected> expectedExternalParameters()
{
    std::vector<Expected> list;
    const auto add = [&list] (juce::String id, juce::String name, juce::String caption, float value,
                              juce::String text) {
        list.push_back ({ std::move (id), std::move (name), std::move (caption), value, std::move (text) });
    };
    const auto n = [] (int i) { return juce::String (i); };

    for (int m = 1; m <= 4; ++m)
        add ("Macro_" + n (m), "Macro " + n (m), "M" + n (m), 0.5f, "050%");
    for (int l = 1; l <= 6; ++l)
    {
        add ("Frequency_Lfo" + n (l), "Frequency", "Frequency", 0.5f, "050%");
        add ("Scale_Lfo" + n (l), "Scale", "Scale", 1.0f, "100%");
    }
    for (int k = 1; k <= 3; ++k)
        for (int t = 1; t <= 4; ++t)
        {
            const auto space = "_VectorSpace" + n (k) + "Transform" + n (t);
            add ("X" + space, "X", "X", 0.5f, " 000%");
            add ("Y" + space, "Y", "Y", 0.5f, " 000%");
        }
    struct EffectFloat
    {
        const char* name;
        float value;
        const char* text;
    };
    const std::vector<std::vector<EffectFloat>> effectFloats{
        { { "AllpassCutoff", 1.0f, "20.0khz" } },
        { { "BalancePan", 0.5f, " 000%" }, { "BalanceGain", 0.8f, "080%" } },
        { { "DelayTime", 0.5f, "050%" }, { "DelayFeedback", 0.5f, "050%" }, { "DelayMix", 0.5f, "050%" } },
        { { "DiffuserDelayTime", 0.5f, "050%" },
          { "DiffuserFeedback", 0.5f, "050%" },
          { "DiffuserMix", 0.5f, "050%" } },
        { { "DistortionAmount", 0.5f, "050%" }, { "DistortionMix", 0.5f, "050%" } },
        { { "FilterCutoff", 1.0f, "20.0khz" } },
    };
    for (const auto& type : effectFloats)
        for (int s = 0; s <= 2; ++s)
            for (const auto& p : type)
                add (p.name + n (s) + "_Effect", p.name + n (s), "", p.value, p.text);
    add ("Mix", "", "", 1.0f, "100%");

    add ("VoiceCount", "Voices", "", 7.0f / 15.0f, "8");

    for (int l = 1; l <= 6; ++l)
        add ("Enable_Lfo" + n (l), "", "", 1.0f, "true");
    for (int k = 1; k <= 3; ++k)
        for (int t = 1; t <= 4; ++t)
            add ("Enable_VectorSpace" + n (k) + "Transform" + n (t), "", "", 1.0f, "true");
    add ("Bypass", "Bypass", "", 0.0f, "false");

    for (int l = 1; l <= 6; ++l)
    {
        add ("Shape_Lfo" + n (l), "", "", 0.0f, " Sine");
        add ("SyncType_Lfo" + n (l), "", "", 0.0f, " Free");
    }
    for (int k = 1; k <= 3; ++k)
    {
        for (int t = 1; t <= 4; ++t)
            add ("Type_VectorSpace" + n (k) + "Transform" + n (t), "", "", 0.0f, " None");
        add ("Shape_VectorSpace" + n (k), "", "", 0.0f, " Circle");
    }
    for (int s = 0; s <= 2; ++s)
        add ("AllpassOrder" + n (s) + "_Effect", "AllpassOrder" + n (s), "", 0.0f, "1 Stage");
    for (int s = 0; s <= 2; ++s)
        add ("DistortionType" + n (s) + "_Effect", "DistortionType" + n (s), "", 0.0f, " Bitcrush");
    for (int s = 0; s <= 2; ++s)
    {
        add ("FilterType" + n (s) + "_Effect", "FilterType" + n (s), "", 0.0f, " Low Pass");
        add ("FilterOrder" + n (s) + "_Effect", "FilterOrder" + n (s), "", 0.0f, "12 dB/octave");
    }
    add ("ProcessorType1", "", "", 0.5f, " Delay");
    add ("ProcessorType2", "", "", 5.0f / 6.0f, " Distortion");
    add ("ProcessorType3", "", "", 1.0f, " Filter");
    return list;
}

// Every modulation amount: six poly amounts per per-voice parameter, ten mono amounts per modulated one.
std::set<juce::String> expectedInternalIdentifiers (const std::vector<Expected>& external)
{
    std::set<juce::String> ids;
    for (const auto& p : external)
    {
        if (p.id.endsWith ("_Effect") && ! p.id.contains ("Order") && ! p.id.contains ("Type"))
            for (const auto& [id, name] : cvl::PolyModulators::IdNameArray)
                ids.insert (p.id + "_" + juce::String (name.data(), name.size()));
        if (p.id.startsWith ("Frequency_") || p.id.startsWith ("Scale_") || p.id.startsWith ("X_") ||
            p.id.startsWith ("Y_"))
            for (const auto& [id, name] : cvl::MonoModulators::IdNameArray)
                ids.insert (p.id + "_" + juce::String (name.data(), name.size()));
    }
    return ids;
}
} // namespace

TEST (ParameterList, HostSeesTheExternalParametersInOrderWithNamesDefaultsAndTexts)
{
    CorvaneAudioProcessor processor;
    const auto expected = expectedExternalParameters();
    ASSERT_EQ (expected.size(), 139u);
    const auto& hostParameters = processor.getParameters();
    ASSERT_EQ (hostParameters.size(), 139);
    for (int i = 0; i < 139; ++i)
    {
        const auto& e = expected[static_cast<std::size_t> (i)];
        const auto* p = dynamic_cast<const exl::Parameter*> (hostParameters[i]);
        ASSERT_NE (p, nullptr);
        EXPECT_EQ (p->getParameterIndex(), i);
        EXPECT_EQ (p->getIdentifier().toString(), e.id) << "index " << i;
        EXPECT_EQ (p->getName (1000), e.name) << e.id;
        EXPECT_EQ (p->getCaption(), e.caption) << e.id;
        EXPECT_EQ (p->getLabel(), "") << e.id;
        EXPECT_NEAR (p->getDefaultValue(), e.defaultValue, 1e-6f) << e.id;
        EXPECT_EQ (p->getText (p->getDefaultValue(), 1000), e.text) << e.id;
    }
}

TEST (ParameterList, InternalParametersAreTheModulationAmounts)
{
    CorvaneAudioProcessor processor;
    const auto expectedIds = expectedInternalIdentifiers (expectedExternalParameters());
    ASSERT_EQ (expectedIds.size(), 576u);
    const auto& registry = processor.getParameterRegistry();
    EXPECT_EQ (registry.size(), 715u);
    ASSERT_NE (processor.getDummyProcessor(), nullptr);
    EXPECT_EQ (processor.getDummyProcessor()->getParameters().size(), 576);
    for (const auto& id : expectedIds)
    {
        const auto* p = processor.findParameter (juce::Identifier (id));
        ASSERT_NE (p, nullptr) << id;
        EXPECT_EQ (p->getNormalisableRange().start, -1.0f) << id;
        EXPECT_EQ (p->getNormalisableRange().end, 1.0f) << id;
        EXPECT_EQ (p->getDefaultValue(), 0.5f) << id;
        EXPECT_EQ (p->getName (100), "") << id;
        EXPECT_EQ (p->getText (p->getDefaultValue(), 100), "0.5") << id;
    }
}
