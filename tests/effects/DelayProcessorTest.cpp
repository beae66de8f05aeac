#include "effects/DelayProcessor.h"
#include "effects/VoiceSet.h"
#include "reference/ReferenceDelayLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace
{
constexpr double sampleRate = 48000.0;
using cvl::reference::ReferenceDelay;
using cvl::reference::VoiceSettings;

float testSignal (std::size_t n, std::size_t voice)
{
    return 0.5f * std::sin (0.013f * static_cast<float> (n) * static_cast<float> (voice + 1)) +
           (n % 97 == 0 ? 0.4f : 0.0f);
}
} // namespace

TEST (DelayProcessor, FollowsThePlainModelSampleBySample)
{
    using Settings = std::function<VoiceSettings (std::size_t block, std::size_t voice)>;
    struct Case
    {
        const char* name;
        Settings settings;
    };
    const Case cases[] = {
        { "shortest time",
          [] (std::size_t, std::size_t v) {
              return VoiceSettings{ 0.0f, 0.5f, 0.5f + 0.1f * static_cast<float> (v) };
          } },
        { "longest time, full feedback",
          [] (std::size_t, std::size_t) {
              return VoiceSettings{ 1.0f, 1.0f, 1.0f };
          } },
        { "time changes glide",
          [] (std::size_t b, std::size_t v) {
              return VoiceSettings{ b < 2 ? 0.25f : 0.75f, 0.3f, 0.2f * static_cast<float> (v + 1) };
          } },
        { "dry while recording, then wet",
          [] (std::size_t b, std::size_t) {
              return VoiceSettings{ 0.01f, 0.9f, b < 3 ? 0.0f : 1.0f };
          } },
        { "every block a new time",
          [] (std::size_t b, std::size_t v) {
              return VoiceSettings{ 0.001f * static_cast<float> ((b * 37 + v * 11) % 50), 0.6f, 0.7f };
          } },
    };
    const std::size_t blockLengths[] = { 512, 512, 100, 512, 37, 512, 1, 256 };
    constexpr std::size_t numVoices = 3;

    for (const auto& c : cases)
    {
        cvl::DelayProcessor processor;
        processor.setSampleRate (sampleRate);
        std::vector<ReferenceDelay> references (numVoices, ReferenceDelay (static_cast<float> (sampleRate)));
        std::size_t start = 0;
        for (std::size_t b = 0; b < std::size (blockLengths); ++b)
        {
            cvl::test::VoiceSet voices (numVoices, blockLengths[b]);
            for (std::size_t v = 0; v < numVoices; ++v)
            {
                const auto settings = c.settings (b, v);
                processor.setVoice (v, settings.time, settings.feedback, settings.mix);
                references[v].set (settings);
                for (std::size_t i = 0; i < blockLengths[b]; ++i)
                    voices.buffers[v][i] = testSignal (start + i, v);
            }
            auto expected = voices.buffers;
            auto view = voices.view();
            processor.process (view);
            for (std::size_t v = 0; v < numVoices; ++v)
            {
                references[v].process (expected[v]);
                for (std::size_t i = 0; i < blockLengths[b]; ++i)
                    ASSERT_NEAR (voices.buffers[v][i], expected[v][i], 1.0e-4f)
                        << c.name << ", block " << b << ", voice " << v << ", sample " << i;
            }
            start += blockLengths[b];
        }
    }
}

TEST (DelayProcessor, TimeSpansOneSampleToFortyNineMillisecondsPlusOne)
{
    const std::pair<float, std::size_t> cases[] = { { 0.0f, 1 }, { 1.0f, 2353 }, { 0.5f, 1177 } };
    for (const auto& [time, expectedDelay] : cases)
    {
        cvl::DelayProcessor processor;
        processor.setSampleRate (sampleRate);
        processor.setVoice (0, time, 0.0f, 1.0f);
        // Let the first ramp settle on silence, then send one impulse.
        cvl::test::VoiceSet settle (1, 4096);
        auto settleView = settle.view();
        processor.process (settleView);
        cvl::test::VoiceSet voices (1, 4096);
        voices.buffers[0][0] = 1.0f;
        auto view = voices.view();
        processor.process (view);
        const auto& out = voices.buffers[0];
        const auto peak = static_cast<std::size_t> (std::max_element (out.begin(), out.end()) - out.begin());
        EXPECT_EQ (peak, expectedDelay) << "time " << time;
        EXPECT_FLOAT_EQ (out[peak], 1.0f) << "time " << time;
    }
}

TEST (DelayProcessor, VoicesBeyondTheCountKeepTheirState)
{
    cvl::DelayProcessor processor;
    processor.setSampleRate (sampleRate);
    for (std::size_t v = 0; v < cvl::maxVoices; ++v)
        processor.setVoice (v, 0.2f, 0.5f, 0.5f);
    cvl::test::VoiceSet all (cvl::maxVoices, 512);
    for (auto& buffer : all.buffers)
        std::fill (buffer.begin(), buffer.end(), 0.25f);
    auto allView = all.view();
    processor.process (allView);

    const auto before = processor.getVoice (3);
    cvl::test::VoiceSet three (3, 512);
    auto threeView = three.view();
    processor.process (threeView);
    const auto& after = processor.getVoice (3);
    EXPECT_EQ (after.writeIndex, before.writeIndex);
    EXPECT_EQ (after.currentDelay, before.currentDelay);
    EXPECT_EQ (after.line, before.line);
}

TEST (DelayProcessor, PreparingAgainKeepsTheHistory)
{
    cvl::DelayProcessor processor;
    processor.setSampleRate (sampleRate);
    processor.setVoice (0, 0.0f, 0.0f, 0.0f);
    cvl::test::VoiceSet voices (1, 64);
    std::fill (voices.buffers[0].begin(), voices.buffers[0].end(), 0.5f);
    auto view = voices.view();
    processor.process (view);
    const auto before = processor.getVoice (0).line;
    processor.setSampleRate (sampleRate);
    EXPECT_EQ (processor.getVoice (0).line, before);
}
