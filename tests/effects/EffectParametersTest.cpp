#include "effects/BalanceProcessor.h"
#include "effects/DelayProcessor.h"
#include "effects/DistortionProcessor.h"
#include "effects/VoiceSet.h"
#include "support/DirectorAccess.h"

#include <gtest/gtest.h>

namespace
{
juce::String textOf (const exl::FloatParameterOptions& options, float normalisedValue)
{
    const exl::Parameter parameter (options.identifier, options.name, options.caption, options.label,
                                    options.range, options.defaultValue, options.textFunction, {}, {}, 1);
    return parameter.getText (normalisedValue, 100);
}

// "identifier=default:text" for every float record, "identifier=default:choices" for every choice.
juce::String describe (const cvl::ParameterDirector& director)
{
    juce::StringArray lines;
    for (const auto& options : director.external.getFloatOptions())
    {
        EXPECT_EQ (options.name + "_Effect", options.identifier.toString());
        lines.add (options.identifier.toString() + "=" + juce::String (options.defaultValue) + ":" +
                   textOf (options, options.defaultValue));
    }
    for (const auto& options : director.external.getChoiceOptions())
    {
        EXPECT_EQ (options.name + "_Effect", options.identifier.toString());
        lines.add (options.identifier.toString() + "=" + juce::String (options.defaultIndex) + ":" +
                   options.choices.joinIntoString ("|"));
    }
    return lines.joinIntoString ("\n");
}

template <typename Processor>
juce::String describeSet (int slot)
{
    cvl::ParameterDirector director;
    typename Processor::Parameters parameters (slot, director);
    // Six modulation amounts per per-voice parameter, nothing else internal.
    EXPECT_EQ (director.internal.getFloatOptions().size(), 6 * director.external.getFloatOptions().size());
    return describe (director);
}
} // namespace

TEST (EffectParameters, IdentifiersDefaultsNamesAndTextsOfEverySet)
{
    const std::pair<juce::String, const char*> cases[] = {
        { describeSet<cvl::BalanceProcessor> (0),
          "BalancePan0_Effect=0.5: 000%\nBalanceGain0_Effect=0.8:080%" },
        { describeSet<cvl::BalanceProcessor> (2),
          "BalancePan2_Effect=0.5: 000%\nBalanceGain2_Effect=0.8:080%" },
        { describeSet<cvl::DelayProcessor> (1),
          "DelayTime1_Effect=0.5:050%\nDelayFeedback1_Effect=0.5:050%\nDelayMix1_Effect=0.5:050%" },
        { describeSet<cvl::DistortionProcessor> (0),
          "DistortionAmount0_Effect=0.5:050%\nDistortionMix0_Effect=0.5:050%\n"
          "DistortionType0_Effect=0: Bitcrush| Sample And Hold| Soft Clip| Hard Clip| Sine| Rectify" },
        { describeSet<cvl::DistortionProcessor> (2),
          "DistortionAmount2_Effect=0.5:050%\nDistortionMix2_Effect=0.5:050%\n"
          "DistortionType2_Effect=0: Bitcrush| Sample And Hold| Soft Clip| Hard Clip| Sine| Rectify" },
    };
    for (const auto& [described, expected] : cases)
        EXPECT_EQ (described, expected);
}

TEST (EffectParameters, PanTextSpansMinusToPlusHundred)
{
    cvl::ParameterDirector director;
    cvl::BalanceProcessor::Parameters parameters (0, director);
    const auto& pan = cvl::test::findOptions (director.external.getFloatOptions(), "BalancePan0_Effect");
    EXPECT_EQ (textOf (pan, 0.0f), "-100%");
    EXPECT_EQ (textOf (pan, 0.75f), " 050%");
    EXPECT_EQ (textOf (pan, 1.0f), " 100%");
}

// Per-voice values reach the processors in view, converted to the effect's units, for the voices in
// use only; processors outside the view and voices beyond the count keep what they had.
TEST (EffectParameters, ValuesReachTheProcessorsInViewForTheVoicesInUse)
{
    constexpr float rate = 48000.0f;
    cvl::ParameterDirector director;
    cvl::DelayProcessor::Parameters delay (1, director);
    cvl::BalanceProcessor::Parameters balance (1, director);
    cvl::DistortionProcessor::Parameters distortion (1, director);
    std::array<cvl::DelayProcessor, 3> delays;
    std::array<cvl::BalanceProcessor, 3> balances;
    std::array<cvl::DistortionProcessor, 3> distortions;
    for (auto& processor : delays)
        processor.setSampleRate (rate);
    delay.setProcessors ({ delays.data(), 2 });
    balance.setProcessors ({ balances.data(), 2 });
    distortion.setProcessors ({ distortions.data(), 2 });

    using cvl::test::change;
    change (director, "DelayTime1_Effect", 0.25f);
    change (director, "DelayTime1_Effect_VectorSpace2Y", 0.5f);
    change (director, "DelayFeedback1_Effect", 0.7f);
    change (director, "DelayMix1_Effect", 0.1f);
    change (director, "BalancePan1_Effect", 1.0f);
    change (director, "BalanceGain1_Effect", 0.4f);
    change (director, "DistortionType1_Effect", 3.0f);
    change (director, "DistortionAmount1_Effect", 1.0f);
    change (director, "DistortionMix1_Effect", 1.0f);

    cvl::VectorSpaceProcessors spaces{};
    spaces[0].voiceCount = 3;
    spaces[1].transformed.y = { 0.5f, -0.5f, 0.2f, 1.0f };
    delay.calculateValues (spaces);
    balance.calculateValues (spaces);
    distortion.calculateValues (spaces);

    const float expectedTimes[] = { 0.5f, 0.0f, 0.35f };
    for (std::size_t p = 0; p < 2; ++p)
    {
        for (std::size_t v = 0; v < 3; ++v)
        {
            EXPECT_FLOAT_EQ (delays[p].getVoice (v).targetDelay, expectedTimes[v] * rate * 0.049f + 1.0f);
            EXPECT_FLOAT_EQ (delays[p].getVoice (v).feedback, 0.7f);
            EXPECT_FLOAT_EQ (delays[p].getVoice (v).mix, 0.1f);
        }
        EXPECT_EQ (delays[p].getVoice (3).targetDelay, 0.0f);
        EXPECT_EQ (distortions[p].getType(), cvl::DistortionType::HardClip);
    }
    EXPECT_EQ (delays[2].getVoice (0).targetDelay, 0.0f);
    EXPECT_EQ (distortions[2].getType(), cvl::DistortionType::Bitcrush);

    // Hard right at half level on the right-hand processor; hard clip at full drive and full mix.
    balances[1].setChannel (1);
    cvl::test::VoiceSet voices (4, 1);
    for (auto& buffer : voices.buffers)
        buffer[0] = 0.1f;
    auto view = voices.view();
    balances[1].process (view);
    distortions[1].process (view);
    EXPECT_FLOAT_EQ (voices.buffers[0][0], 1.0f);
    EXPECT_FLOAT_EQ (voices.buffers[2][0], 1.0f);
    EXPECT_EQ (voices.buffers[3][0], 0.0f); // voice 3 was never given a value: gain 0
}
