#include "support/AllocationCounter.h"
#include "support/ProcessorHarness.h"
#include "support/TestPlayHead.h"

#include <gtest/gtest.h>

// After prepareToPlay the audio thread never touches the heap: thousands of blocks of changing
// parameters, block sizes and content go through without one allocation or free.
TEST (RealTimeSafety, ProcessBlockAllocatesNothingAfterPrepare)
{
    constexpr int maxBlock = 512;
    cvl::test::ProcessorHarness harness (48000.0, maxBlock);
    auto& processor = harness.processor();
    const auto& parameters = processor.getParameterRegistry().getOrderedParameters();
    juce::AudioBuffer<float> buffer (2, maxBlock);
    juce::MidiBuffer midi;
    juce::Random random (11);

    harness.processBlock (buffer); // the first block takes every value in

    cvl::test::ScopedAllocationCounter counter;
    for (int block = 0; block < 4000; ++block)
    {
        // Random values for a handful of parameters, written as a host would (without notifying,
        // which may allocate on the host's side, not ours).
        for (int k = 0; k < 4; ++k)
        {
            auto* parameter =
                parameters[static_cast<std::size_t> (random.nextInt (static_cast<int> (parameters.size())))];
            if (parameter->getIdentifier().toString() != "Bypass" || block % 97 == 0)
                parameter->setValue (random.nextFloat());
        }
        const auto length = 1 + random.nextInt (maxBlock);
        buffer.setSize (2, length, false, false, true);
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < length; ++i)
                buffer.setSample (c, i, random.nextFloat() * 2.0f - 1.0f);
        processor.processBlock (buffer, midi);
    }
    EXPECT_EQ (counter.getAllocations(), 0u);
    EXPECT_EQ (counter.getDeallocations(), 0u);
}

// Tempo-locked LFOs under a host whose tempo and position keep changing, sync types switched while
// playing (each switch draws a new phase) and an open editor that the values are published for.
TEST (RealTimeSafety, SyncTypeAndTempoChangesWhileProcessingAllocateNothing)
{
    constexpr int maxBlock = 256;
    cvl::test::ProcessorHarness harness (44100.0, maxBlock);
    auto& processor = harness.processor();
    cvl::test::TestPlayHead playHead;
    playHead.bpm = 120.0;
    playHead.ppq = 0.0;
    processor.setPlayHead (&playHead);
    ++processor.getOpenEditorCount();
    juce::AudioBuffer<float> buffer (2, maxBlock);
    juce::MidiBuffer midi;
    juce::Random random (23);

    std::vector<exl::Parameter*> syncTypes, frequencies;
    for (int lfo = 1; lfo <= 6; ++lfo)
    {
        syncTypes.push_back (&harness.parameter ("SyncType_Lfo" + juce::String (lfo)));
        frequencies.push_back (&harness.parameter ("Frequency_Lfo" + juce::String (lfo)));
    }
    harness.processBlock (buffer);

    cvl::test::ScopedAllocationCounter counter;
    auto beat = 0.0;
    for (int block = 0; block < 4000; ++block)
    {
        const auto lfo = static_cast<std::size_t> (random.nextInt (6));
        syncTypes[lfo]->setValue (static_cast<float> (random.nextInt (3)) / 2.0f);
        frequencies[lfo]->setValue (random.nextFloat());

        // Tempo jumps, a transport that loops back, a host that stops reporting one field or the
        // other, and now and then no play head at all.
        if (block % 50 == 0)
            playHead.bpm = 40.0 + 200.0 * random.nextDouble();
        const auto length = 1 + random.nextInt (maxBlock);
        beat = block % 300 == 299 ? -1.0 : beat + length * *playHead.bpm / (60.0 * 44100.0);
        playHead.ppq = beat;
        if (block % 17 == 0)
            playHead.ppq.reset();
        const auto withoutBpm = block % 23 == 0;
        const auto savedBpm = playHead.bpm;
        if (withoutBpm)
            playHead.bpm.reset();
        processor.setPlayHead (block % 41 == 0 ? nullptr : &playHead);

        buffer.setSize (2, length, false, false, true);
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < length; ++i)
                buffer.setSample (c, i, random.nextFloat() * 2.0f - 1.0f);
        processor.processBlock (buffer, midi);
        if (withoutBpm)
            playHead.bpm = savedBpm;
    }
    EXPECT_EQ (counter.getAllocations(), 0u);
    EXPECT_EQ (counter.getDeallocations(), 0u);
    processor.setPlayHead (nullptr);
    --processor.getOpenEditorCount();
}
