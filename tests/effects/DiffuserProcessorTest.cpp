#include "effects/DiffuserProcessor.h"
#include "VoiceSet.h"
#include "reference/ReferenceDelayLines.h"
#include "support/DirectorAccess.h"

#include <gtest/gtest.h>

namespace
{
using cvl::reference::ReferenceDiffuser;

struct DiffuserRun
{
    std::vector<std::vector<float>> output, reference;
};

// Two sub-blocks of 512 samples with a delay change between them.
DiffuserRun runBoth (std::size_t voices, float feedback, float mix)
{
    cvl::DiffuserProcessor processor;
    processor.setSampleRate (48000.0);
    ReferenceDiffuser reference (48000.0, voices);
    juce::Random random (3);
    DiffuserRun run;
    for (int block = 0; block < 2; ++block)
    {
        cvl::test::VoiceSet set (voices, 512);
        for (auto& buffer : set.buffers)
            for (auto& x : buffer)
                x = random.nextFloat() * 2.0f - 1.0f;
        auto copy = set.buffers;
        for (std::size_t j = 0; j < voices; ++j)
        {
            const auto time = (block == 0 ? 0.1f : 0.6f) + 0.02f * static_cast<float> (j);
            processor.setVoice (j, time, feedback, mix);
            reference.setVoice (j, time, feedback, mix);
        }
        auto view = set.view();
        processor.process (view);
        reference.process (copy);
        for (std::size_t j = 0; j < voices; ++j)
        {
            if (block == 0)
            {
                run.output.push_back ({});
                run.reference.push_back ({});
            }
            run.output[j].insert (run.output[j].end(), set.buffers[j].begin(), set.buffers[j].end());
            run.reference[j].insert (run.reference[j].end(), copy[j].begin(), copy[j].end());
        }
    }
    return run;
}
} // namespace

TEST (DiffuserProcessor, MatchesThePlainNetworkForOneThreeAndSixteenVoices)
{
    for (const auto voices : { 1u, 3u, 16u })
        for (const auto& [feedback, mix] :
             { std::pair{ 0.7f, 0.5f }, std::pair{ 0.0f, 1.0f }, std::pair{ 0.9f, 0.0f } })
        {
            const auto run = runBoth (voices, feedback, mix);
            for (std::size_t j = 0; j < voices; ++j)
                for (std::size_t i = 0; i < run.output[j].size(); ++i)
                    ASSERT_NEAR (run.output[j][i], run.reference[j][i], 1e-4f)
                        << voices << " voices, voice " << j << " at " << i;
        }
}

TEST (DiffuserProcessor, MatricesAreSylvesterHadamards)
{
    for (const auto order : { 1u, 2u, 4u, 8u, 16u })
    {
        const auto& h = cvl::DiffuserProcessor::m_hadamard.at (order);
        ASSERT_EQ (h.order, order);
        for (std::size_t r = 0; r < order; ++r)
            for (std::size_t c = 0; c < order; ++c)
                ASSERT_EQ (h.entries[r][c], ReferenceDiffuser::hadamard (order, r, c));
    }
}

TEST (DiffuserProcessor, DelayChangesGlideOverFourMilliseconds)
{
    cvl::DiffuserProcessor processor;
    processor.setSampleRate (48000.0);
    processor.setVoice (0, 0.1f, 0.5f, 0.5f);
    cvl::test::VoiceSet set (1, 512);
    auto view = set.view();
    processor.process (view);
    processor.setVoice (0, 0.6f, 0.5f, 0.5f);
    const auto target = processor.getVoice (0).targetDelay;
    cvl::test::VoiceSet next (1, 191);
    auto nextView = next.view();
    processor.process (nextView);
    EXPECT_NE (processor.getVoice (0).currentDelay, target);
    cvl::test::VoiceSet last (1, 1);
    auto lastView = last.view();
    processor.process (lastView);
    EXPECT_FLOAT_EQ (processor.getVoice (0).currentDelay, target);
}
