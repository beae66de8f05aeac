#include "support/ProcessorHarness.h"
#include "support/TestPlayHead.h"

#include <gtest/gtest.h>

using cvl::test::ProcessorHarness;

namespace
{
juce::AudioBuffer<float> noiseBuffer (int channels, int samples, float amplitude, int seed = 3)
{
    juce::Random random (seed);
    juce::AudioBuffer<float> buffer (channels, samples);
    for (int c = 0; c < channels; ++c)
        for (int i = 0; i < samples; ++i)
            buffer.setSample (c, i, amplitude * (random.nextFloat() * 2.0f - 1.0f));
    return buffer;
}

bool sameSamples (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    for (int c = 0; c < a.getNumChannels(); ++c)
        for (int i = 0; i < a.getNumSamples(); ++i)
            if (a.getSample (c, i) != b.getSample (c, i))
                return false;
    return true;
}
} // namespace

TEST (ProcessorFrame, AnswersTheHost)
{
    CorvaneAudioProcessor processor;
    EXPECT_EQ (processor.getName(), "Corvane");
    EXPECT_EQ (processor.getProgramName (0), "null");
    EXPECT_EQ (processor.getBus (true, 0)->getName(), "Input");
    EXPECT_EQ (processor.getBus (false, 0)->getName(), "Output");
    EXPECT_EQ (processor.getMainBusNumInputChannels(), 2);
    auto* bypass = dynamic_cast<exl::Parameter*> (processor.getBypassParameter());
    ASSERT_NE (bypass, nullptr);
    EXPECT_EQ (bypass->getIdentifier().toString(), "Bypass");
    EXPECT_EQ (bypass->getName (100), "Bypass");
}

TEST (ProcessorFrame, RefusesLayoutsWiderThanElevenChannels)
{
    CorvaneAudioProcessor processor;
    const auto layoutOf = [] (int channels)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (juce::AudioChannelSet::discreteChannels (channels));
        layout.outputBuses.add (juce::AudioChannelSet::discreteChannels (channels));
        return layout;
    };
    EXPECT_TRUE (processor.checkBusesLayoutSupported (layoutOf (1)));
    EXPECT_TRUE (processor.checkBusesLayoutSupported (layoutOf (2)));
    EXPECT_TRUE (processor.checkBusesLayoutSupported (layoutOf (11)));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (layoutOf (12)));
}

TEST (ProcessorFrame, FirstBlockFiresEveryChangeCallbackOnce)
{
    ProcessorHarness harness;
    const auto& registry = harness.processor().getParameterRegistry();
    for (const auto* parameter : registry.getOrderedParameters())
        ASSERT_EQ (parameter->getLastDispatchedValue(), -1.0f);
    harness.process (64, ProcessorHarness::silence);
    for (const auto* parameter : registry.getOrderedParameters())
        ASSERT_EQ (parameter->getLastDispatchedValue(), parameter->getValue())
            << parameter->getIdentifier().toString();
}

TEST (ProcessorFrame, BypassLeavesTheBufferUntouched)
{
    ProcessorHarness harness (44100.0, 256);
    harness.set ("Bypass", 1.0f);
    auto buffer = noiseBuffer (2, 256, 4.0f);
    const auto original = buffer;
    harness.processBlock (buffer);
    EXPECT_TRUE (harness.processor().isBypassed());
    EXPECT_TRUE (sameSamples (buffer, original));

    harness.set ("Bypass", 0.0f);
    harness.processBlock (buffer);
    EXPECT_FALSE (harness.processor().isBypassed());
    EXPECT_FALSE (sameSamples (buffer, original));
}

TEST (ProcessorFrame, StereoPassesTheLimiterAndReportsItsDelay)
{
    ProcessorHarness harness (44100.0, 512);
    harness.set ("Mix", 0.0f); // the dry signal alone, so the frame's own work shows
    EXPECT_EQ (harness.processor().getLatencySamples(), 440);
    const auto output = harness.process (2048, [] (int, juce::int64 n) { return n == 10 ? 5.0f : 0.0f; });
    EXPECT_FLOAT_EQ (output.getSample (0, 450), 2.8183830f);
    EXPECT_FLOAT_EQ (output.getSample (1, 450), 2.8183830f);
    EXPECT_EQ (output.getSample (0, 10), 0.0f);
}

TEST (ProcessorFrame, OtherChannelCountsSkipTheLimiter)
{
    for (const auto channels : { 1, 3 })
    {
        ProcessorHarness harness (44100.0, 512, channels);
        harness.set ("Mix", 0.0f);
        EXPECT_EQ (harness.processor().getLatencySamples(), 0);
        const auto output = harness.process (2048, [] (int, juce::int64 n) { return n == 10 ? 5.0f : 0.0f; });
        for (int c = 0; c < channels; ++c)
        {
            EXPECT_FLOAT_EQ (output.getSample (c, 10), 5.0f) << channels << " channels";
            EXPECT_EQ (output.getSample (c, 450), 0.0f);
        }
    }
}

TEST (ProcessorFrame, BeatPositionFollowsThePlayHead)
{
    ProcessorHarness harness (48000.0, 480);
    harness.process (480 * 3, ProcessorHarness::silence);
    EXPECT_EQ (harness.processor().getBeatPosition(), 0.0); // no play head

    cvl::test::TestPlayHead playHead;
    harness.processor().setPlayHead (&playHead);
    playHead.bpm = 120.0;
    playHead.ppq = 7.25;
    harness.process (480, ProcessorHarness::silence);
    EXPECT_DOUBLE_EQ (harness.processor().getBeatPosition(), 7.25);

    // Without a host beat position the running position counts on at the reported tempo (or 120).
    playHead.ppq.reset();
    playHead.bpm.reset();
    harness.process (480, ProcessorHarness::silence);
    const auto afterOne = harness.processor().getBeatPosition();
    harness.process (480, ProcessorHarness::silence);
    EXPECT_NEAR (harness.processor().getBeatPosition() - afterOne, 120.0 / 60.0 * 480.0 / 48000.0, 1e-12);
    harness.processor().setPlayHead (nullptr);
}

TEST (ProcessorFrame, BlocksLongerThanPromisedArePlayedInPiecesOfThePreparedSize)
{
    // A host that sends more samples than it prepared for gets the same output as one that keeps
    // its word, instead of overrunning buffers sized in preparation.
    ProcessorHarness keeps (48000.0, 64);
    ProcessorHarness breaks (48000.0, 64);
    const auto signal = cvl::test::sine (220.0, 0.5f, 48000.0);
    const auto expected = keeps.process (4096, signal);

    juce::AudioBuffer<float> block (2, 4096);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 4096; ++i)
            block.setSample (c, i, signal (c, i));
    breaks.processBlock (block);
    EXPECT_TRUE (sameSamples (block, expected));
}
