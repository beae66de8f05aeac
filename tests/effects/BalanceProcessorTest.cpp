#include "effects/BalanceProcessor.h"
#include "effects/VoiceSet.h"

#include <gtest/gtest.h>

TEST (BalanceProcessor, ScalesEachVoiceByItsSideAndLevel)
{
    struct Case
    {
        int channel;
        float panValue, gainValue, expectedFactor;
    };
    const Case cases[] = {
        { 0, 0.5f, 0.8f, 1.0f },    { 1, 0.5f, 0.8f, 1.0f },  // centre at unity gain passes unchanged
        { 0, 0.0f, 0.8f, 1.0f },    { 1, 0.0f, 0.8f, 0.0f },  // hard left
        { 0, 1.0f, 0.8f, 0.0f },    { 1, 1.0f, 0.8f, 1.0f },  // hard right
        { 0, 0.75f, 0.8f, 0.5f },   { 1, 0.25f, 0.8f, 0.5f }, // half way to the other side
        { 0, 0.25f, 0.8f, 1.0f },   { 1, 0.75f, 0.8f, 1.0f }, // towards its own side
        { 0, 0.5f, 0.0f, 0.0f },    { 1, 0.3f, 0.0f, 0.0f },  // no gain
        { 0, 0.5f, 1.0f, 1.25f },   { 1, 0.5f, 0.4f, 0.5f },  // level relative to 0.8
        { 2, 0.25f, 1.0f, 0.625f }, { 10, 1.0f, 0.8f, 1.0f }, // further channels are right-hand
    };
    for (const auto& c : cases)
    {
        cvl::BalanceProcessor processor;
        processor.setChannel (c.channel);
        processor.setSampleRate (48000.0);
        processor.setVoice (0, 0.5f, 0.8f);
        processor.setVoice (1, c.panValue, c.gainValue);
        cvl::test::VoiceSet voices (2, 64);
        for (auto& buffer : voices.buffers)
            for (std::size_t i = 0; i < buffer.size(); ++i)
                buffer[i] = std::sin (0.1f * static_cast<float> (i));
        const auto input = voices.buffers;
        auto view = voices.view();
        processor.process (view);
        for (std::size_t i = 0; i < input[0].size(); ++i)
        {
            ASSERT_FLOAT_EQ (voices.buffers[0][i], input[0][i]);
            ASSERT_NEAR (voices.buffers[1][i], input[1][i] * c.expectedFactor, 1.0e-6f)
                << "channel " << c.channel << ", pan " << c.panValue << ", gain " << c.gainValue;
        }
    }
}
