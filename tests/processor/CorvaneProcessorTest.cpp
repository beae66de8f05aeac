#include "processor/CorvaneProcessor.h"
#include "support/AllocationCounter.h"
#include "support/DirectorAccess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 512;

// An engine with its parameters, prepared for two channels; values are set through the change
// callbacks as the processor's dispatch would.
struct Engine
{
    cvl::ParameterDirector director;
    cvl::CorvaneProcessor engine{ director };
    cvl::VectorSpaceProcessors spaces{};

    explicit Engine (int channels = 2, int voices = 1)
    {
        engine.prepare (channels, sampleRate, blockSize);
        setVoices (voices);
        setSlots (0, 0, 0);
        set ("Mix", 1.0f);
    }

    void set (const juce::String& identifier, float value)
    {
        cvl::test::change (director, identifier, value);
    }
    void setSlots (int type1, int type2, int type3)
    {
        set ("ProcessorType1", static_cast<float> (type1));
        set ("ProcessorType2", static_cast<float> (type2));
        set ("ProcessorType3", static_cast<float> (type3));
    }
    void setVoices (int count)
    {
        engine.setVoiceCount (count);
        spaces[0].voiceCount = static_cast<std::size_t> (count);
    }

    std::vector<float> process (std::vector<float> samples, int channel = 0)
    {
        engine.processChannel (channel, samples.data(), static_cast<int> (samples.size()), spaces);
        return samples;
    }
};

constexpr int none = 0, balance = 2, delay = 3, distortion = 5, filter = 6;

std::vector<float> signal (std::size_t length, float frequency = 0.031f)
{
    std::vector<float> samples (length);
    for (std::size_t i = 0; i < length; ++i)
        samples[i] = 0.8f * std::sin (frequency * static_cast<float> (i));
    return samples;
}
} // namespace

TEST (CorvaneProcessor, DeclaresItsParametersAfterTheSlotSetsInTypeOrder)
{
    Engine e;
    juce::StringArray floats, choices;
    for (const auto& options : e.director.external.getFloatOptions())
        floats.add (options.identifier.toString());
    for (const auto& options : e.director.external.getChoiceOptions())
        choices.add (options.identifier.toString() + "=" + juce::String (options.defaultIndex) +
                     (options.name.isEmpty() ? "" : "!"));
    EXPECT_EQ (
        floats.joinIntoString (","),
        "AllpassCutoff0_Effect,AllpassCutoff1_Effect,AllpassCutoff2_Effect,"
        "BalancePan0_Effect,BalanceGain0_Effect,BalancePan1_Effect,BalanceGain1_Effect,BalancePan2_Effect,"
        "BalanceGain2_Effect,DelayTime0_Effect,DelayFeedback0_Effect,DelayMix0_Effect,DelayTime1_Effect,"
        "DelayFeedback1_Effect,DelayMix1_Effect,DelayTime2_Effect,DelayFeedback2_Effect,DelayMix2_Effect,"
        "DiffuserDelayTime0_Effect,DiffuserFeedback0_Effect,DiffuserMix0_Effect,DiffuserDelayTime1_Effect,"
        "DiffuserFeedback1_Effect,DiffuserMix1_Effect,DiffuserDelayTime2_Effect,DiffuserFeedback2_Effect,"
        "DiffuserMix2_Effect,"
        "DistortionAmount0_Effect,DistortionMix0_Effect,DistortionAmount1_Effect,DistortionMix1_Effect,"
        "DistortionAmount2_Effect,DistortionMix2_Effect,"
        "FilterCutoff0_Effect,FilterCutoff1_Effect,FilterCutoff2_Effect,Mix");
    EXPECT_EQ (choices.joinIntoString (","),
               "AllpassOrder0_Effect=0!,AllpassOrder1_Effect=0!,AllpassOrder2_Effect=0!,"
               "DistortionType0_Effect=0!,DistortionType1_Effect=0!,DistortionType2_Effect=0!,"
               "FilterType0_Effect=0!,FilterOrder0_Effect=0!,FilterType1_Effect=0!,FilterOrder1_Effect=0!,"
               "FilterType2_Effect=0!,FilterOrder2_Effect=0!,"
               "ProcessorType1=3,ProcessorType2=5,ProcessorType3=6");

    const auto& type = cvl::test::findOptions (e.director.external.getChoiceOptions(), "ProcessorType2");
    EXPECT_EQ (type.choices.joinIntoString ("|"),
               " None| Allpass| Balance| Delay| Diffuser| Distortion| Filter");
    const auto& mix = cvl::test::findOptions (e.director.external.getFloatOptions(), "Mix");
    EXPECT_EQ (mix.name, "");
    EXPECT_EQ (mix.defaultValue, 1.0f);
    EXPECT_EQ (mix.range.start, 0.0f);
    EXPECT_EQ (mix.range.end, 1.0f);
    const exl::Parameter mixParameter (mix.identifier, mix.name, mix.caption, mix.label, mix.range,
                                       mix.defaultValue, mix.textFunction, {}, {}, 1);
    EXPECT_EQ (mixParameter.getText (0.25f, 100), "025%");
}

TEST (CorvaneProcessor, SlotTypesFollowTheNearestChoice)
{
    Engine e;
    const std::pair<float, cvl::IEffectProcessor::Type> cases[] = {
        { 3.0f, cvl::IEffectProcessor::Type::Delay }, { 4.6f, cvl::IEffectProcessor::Type::Distortion },
        { 0.4f, cvl::IEffectProcessor::Type::None },  { 6.0f, cvl::IEffectProcessor::Type::Filter },
        { 9.0f, cvl::IEffectProcessor::Type::None },
    };
    for (const auto& [value, expected] : cases)
    {
        e.set ("ProcessorType3", value);
        EXPECT_EQ (e.engine.getSlotType (2), expected) << value;
    }
}

// All slots empty: every voice is the input, so the average is the input at any voice count, also
// for a sub-block longer than the prepared block.
TEST (CorvaneProcessor, EmptySlotsGiveTheInputBack)
{
    for (const auto voices : { 1, 3, 16 })
        for (const auto length : { std::size_t{ 512 }, std::size_t{ 100 }, std::size_t{ 1300 } })
        {
            Engine e (2, voices);
            const auto input = signal (length);
            const auto output = e.process (input);
            for (std::size_t i = 0; i < length; ++i)
                ASSERT_NEAR (output[i], input[i], 1.0e-6f) << voices << " voices, sample " << i;
        }
}

// Each voice gets its own gain from its X position in space 1; the engine averages the voices and
// blends the average with the dry input.
TEST (CorvaneProcessor, AveragesTheVoicesAndMixesWithTheDryInput)
{
    struct Case
    {
        int voices;
        float mix;
    };
    for (const auto& c :
         { Case{ 1, 1.0f }, Case{ 4, 0.25f }, Case{ 16, 0.0f }, Case{ 3, 0.7f }, Case{ 16, 1.0f } })
    {
        Engine e (2, c.voices);
        e.setSlots (balance, none, none);
        e.set ("Mix", c.mix);
        e.set ("BalanceGain0_Effect", 0.4f);
        e.set ("BalanceGain0_Effect_VectorSpace1X", 0.5f);
        std::vector<float> gains;
        for (int v = 0; v < c.voices; ++v)
        {
            const auto x = -1.0f + 2.0f * static_cast<float> (v) / 15.0f;
            e.spaces[0].transformed.x[static_cast<std::size_t> (v)] = x;
            gains.push_back (std::clamp (0.4f + 0.5f * x, 0.0f, 1.0f) / 0.8f);
        }
        const auto input = signal (blockSize);
        const auto output = e.process (input);
        for (std::size_t i = 0; i < input.size(); ++i)
        {
            auto sum = 0.0f;
            for (const auto gain : gains)
                sum += input[i] * gain;
            const auto expected = (1.0f - c.mix) * input[i] + c.mix * sum / static_cast<float> (c.voices);
            ASSERT_NEAR (output[i], expected, 1.0e-6f)
                << c.voices << " voices, mix " << c.mix << ", sample " << i;
        }
    }
}

// Slot 1 and 2 both hold a balance and both a delay: each slot has its own parameters and its own
// processors, so the gains multiply and the one-sample delays add up.
TEST (CorvaneProcessor, TwoSlotsOfOneTypeUseTheirOwnProcessorsAndParameters)
{
    Engine gains;
    gains.setSlots (balance, balance, none);
    gains.set ("BalanceGain0_Effect", 0.4f);
    gains.set ("BalanceGain1_Effect", 1.0f);
    const auto input = signal (blockSize);
    const auto scaled = gains.process (input);
    for (std::size_t i = 0; i < input.size(); ++i)
        ASSERT_NEAR (scaled[i], input[i] * 0.5f * 1.25f, 1.0e-6f);

    Engine delays;
    delays.setSlots (delay, delay, none);
    for (const auto* slot : { "0", "1" })
    {
        delays.set (juce::String ("DelayTime") + slot + "_Effect", 0.0f);
        delays.set (juce::String ("DelayFeedback") + slot + "_Effect", 0.0f);
        delays.set (juce::String ("DelayMix") + slot + "_Effect", 1.0f);
    }
    (void)delays.process (std::vector<float> (blockSize)); // the first glide to the new length
    std::vector<float> impulse (16);
    impulse[0] = 1.0f;
    const auto output = delays.process (impulse);
    for (std::size_t i = 0; i < output.size(); ++i)
        EXPECT_NEAR (output[i], i == 2 ? 1.0f : 0.0f, 1.0e-6f) << "sample " << i;
}

// A delay left for two blocks continues with the contents it had: an impulse sent before the
// switch comes out 2353 delay samples after it went in.
TEST (CorvaneProcessor, ASlotThatSwitchesBackResumesTheOldState)
{
    Engine e;
    e.setSlots (delay, none, none);
    e.set ("DelayTime0_Effect", 1.0f);
    e.set ("DelayFeedback0_Effect", 0.0f);
    e.set ("DelayMix0_Effect", 1.0f);
    std::vector<float> output;
    for (int block = 0; block < 8; ++block)
    {
        e.setSlots (block == 1 || block == 2 ? filter : delay, none, none);
        std::vector<float> input (blockSize);
        if (block == 0)
            input[0] = 1.0f;
        const auto out = e.process (input);
        if (block != 1 && block != 2)
            output.insert (output.end(), out.begin(), out.end());
    }
    const auto peak =
        static_cast<std::size_t> (std::max_element (output.begin(), output.end()) - output.begin());
    EXPECT_EQ (peak, 2353u);
    EXPECT_FLOAT_EQ (output[peak], 1.0f);
}

TEST (CorvaneProcessor, ChannelsAboveThePreparedCountAreUntouched)
{
    Engine e (1, 4);
    e.setSlots (distortion, delay, balance);
    e.set ("Mix", 0.5f);
    const auto input = signal (blockSize);
    for (const auto channel : { 1, 2, 10, 11, -1 })
        EXPECT_EQ (e.process (input, channel), input) << "channel " << channel;
    EXPECT_NE (e.process (input, 0), input);
}

TEST (CorvaneProcessor, NonFiniteInputCountsAsSilenceAndTheOutputStaysFinite)
{
    const auto infinity = std::numeric_limits<float>::infinity();
    const auto nan = std::numeric_limits<float>::quiet_NaN();
    const std::array<int, 3> chains[] = { { none, none, none },
                                          { distortion, delay, balance },
                                          { delay, distortion, none } };
    for (const auto& chain : chains)
    {
        Engine e (2, 5);
        e.setSlots (chain[0], chain[1], chain[2]);
        e.set ("DistortionType0_Effect", 2.0f); // soft clip, which grows without bound for huge input
        e.set ("DistortionType1_Effect", 2.0f);
        e.set ("DelayFeedback0_Effect", 1.0f);
        e.set ("DelayFeedback1_Effect", 1.0f);
        e.set ("Mix", 0.6f);
        for (int block = 0; block < 20; ++block)
        {
            auto input = signal (blockSize);
            input[3] = nan;
            input[7] = infinity;
            input[11] = -infinity;
            input[13] = 3.0e38f;
            const auto output = e.process (input);
            for (std::size_t i = 0; i < output.size(); ++i)
                ASSERT_TRUE (std::isfinite (output[i])) << "block " << block << ", sample " << i;
            if (chain[0] == none)
            {
                EXPECT_EQ (output[3], 0.0f);
            }
        }
    }
}

// Everything the audio thread does with the engine after prepare, without one heap allocation or free.
// The change callbacks are looked up beforehand: finding them by name is the test's work, not the engine's.
TEST (CorvaneProcessor, ProcessingVoiceCountChangesAndTypeSwitchesAllocateNothing)
{
    Engine e (2, 8);
    juce::Random random (5);
    std::vector<float> left (blockSize), right (blockSize);
    const auto& floats = e.director.external.getFloatOptions();
    const auto& amounts = e.director.internal.getFloatOptions();
    // The effects' choices (all-pass orders, distortion types, filter types and orders), then the slot types.
    const auto& choices = e.director.external.getChoiceOptions();
    ASSERT_EQ (choices.size(), 15u);

    cvl::test::ScopedAllocationCounter counter;
    for (int block = 0; block < 3000; ++block)
    {
        if (block % 7 == 0)
            e.setVoices (1 + random.nextInt (16));
        if (block % 5 == 0)
            for (std::size_t slot = 12; slot < 15; ++slot)
                choices[slot].changeCallback (static_cast<float> (random.nextInt (7)));
        if (block % 11 == 0)
            choices[static_cast<std::size_t> (random.nextInt (12))].changeCallback (
                static_cast<float> (random.nextInt (4)));
        floats[static_cast<std::size_t> (random.nextInt (static_cast<int> (floats.size())))].changeCallback (
            random.nextFloat());
        amounts[static_cast<std::size_t> (random.nextInt (static_cast<int> (amounts.size())))]
            .changeCallback (random.nextFloat() * 2.0f - 1.0f);
        for (auto& space : e.spaces)
            for (std::size_t v = 0; v < cvl::maxVoices; ++v)
                space.transformed.x[v] = random.nextFloat() * 2.0f - 1.0f;
        const auto length = 1 + random.nextInt (blockSize);
        for (int i = 0; i < length; ++i)
        {
            left[static_cast<std::size_t> (i)] = random.nextFloat() * 2.0f - 1.0f;
            right[static_cast<std::size_t> (i)] = random.nextFloat() * 2.0f - 1.0f;
        }
        e.engine.processChannel (0, left.data(), length, e.spaces);
        e.engine.processChannel (1, right.data(), length, e.spaces);
    }
    EXPECT_EQ (counter.getAllocations(), 0u);
    EXPECT_EQ (counter.getDeallocations(), 0u);
}
