#include "support/AllocationCounter.h"
#include "support/ProcessorHarness.h"

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
            auto* parameter = parameters[static_cast<std::size_t> (random.nextInt (static_cast<int> (parameters.size())))];
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
