#include "effects/DiffuserProcessor.h"
#include "support/DirectorAccess.h"
#include "VoiceSet.h"

#include <gtest/gtest.h>

namespace
{
// The network written out plainly: lines as growing histories, the Hadamard matrix by recursion on
// its sign pattern, the delay moving linearly by a fixed step towards its target.
class ReferenceDiffuser
{
public:
    ReferenceDiffuser (double fs, std::size_t voices) : rate (static_cast<float> (fs)), histories (voices), current (voices, 0.0f), target (voices, 0.0f), step (voices, 0.0f), feedback (voices), mix (voices) {}

    void setVoice (std::size_t j, float time, float fb, float m)
    {
        const auto span = rate / 1000.0f * 49.0f; // 49 ms in samples
        const auto t = time * span + 1.0f;
        if (t != target[j])
        {
            target[j] = t;
            step[j] = std::abs (t - current[j]) / (rate * 0.001f * 4.0f);
        }
        feedback[j] = fb;
        mix[j] = m;
    }

    static float hadamard (std::size_t order, std::size_t row, std::size_t column)
    {
        if (order == 1)
            return 1.0f;
        const auto half = order / 2;
        const auto sign = row >= half && column >= half ? -1.0f : 1.0f;
        return sign * hadamard (half, row % half, column % half);
    }

    void process (std::vector<std::vector<float>>& voices)
    {
        const auto v = voices.size();
        std::size_t n = 1;
        while (n < v)
            n *= 2;
        const auto e = 1.0f / std::sqrt (static_cast<float> (n));
        for (std::size_t t = 0; t < voices[0].size(); ++t)
        {
            std::vector<float> out (v);
            for (std::size_t j = 0; j < v; ++j)
            {
                current[j] = current[j] < target[j] ? std::min (current[j] + step[j], target[j]) : std::max (current[j] - step[j], target[j]);
                const auto whole = static_cast<std::size_t> (current[j]);
                const auto f = current[j] - static_cast<float> (whole);
                const auto ago = [&] (std::size_t k) { return k <= histories[j].size() && k > 0 ? histories[j][histories[j].size() - k] : 0.0f; };
                const auto a = ago (whole), b = ago (whole + 1);
                // Across a sign change the two-product form; otherwise one product, kept from passing b.
                if ((a <= 0.0f && b >= 0.0f) || (a >= 0.0f && b <= 0.0f))
                    out[j] = f * b + (1.0f - f) * a;
                else
                    out[j] = b > a ? std::min (a + f * (b - a), b) : std::max (a + f * (b - a), b);
            }
            for (std::size_t j = 0; j < v; ++j)
            {
                const auto x = voices[j][t];
                auto s = x;
                for (std::size_t k = 0; k < v; ++k)
                    s += hadamard (n, j, k) * e * out[k];
                histories[j].push_back (feedback[j] * s + x);
                voices[j][t] = x * (1.0f - mix[j]) + mix[j] * out[j];
            }
        }
    }

private:
    float rate;
    std::vector<std::vector<float>> histories;
    std::vector<float> current, target, step, feedback, mix;
};

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
        for (const auto& [feedback, mix] : { std::pair { 0.7f, 0.5f }, std::pair { 0.0f, 1.0f }, std::pair { 0.9f, 0.0f } })
        {
            const auto run = runBoth (voices, feedback, mix);
            for (std::size_t j = 0; j < voices; ++j)
                for (std::size_t i = 0; i < run.output[j].size(); ++i)
                    ASSERT_NEAR (run.output[j][i], run.reference[j][i], 1e-4f) << voices << " voices, voice " << j << " at " << i;
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
