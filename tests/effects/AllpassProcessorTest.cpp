#include "effects/AllpassProcessor.h"
#include "VoiceSet.h"
#include "modulation/Frequency.h"
#include "support/DirectorAccess.h"

#include <gtest/gtest.h>

#include <complex>

namespace
{
constexpr double pi = juce::MathConstants<double>::pi;

// The phase of one all-pass section of Q = 1/sqrt(2) at f, designed as the section rules say.
double sectionPhase (double cutoffHz, double f, double fs)
{
    const double d = std::tan (pi * cutoffHz / fs);
    const double q = 0.70710677;
    const double a0 = 1 + d / q + d * d;
    const double a1 = (2 * d * d - 2) / a0, a2 = (1 - d / q + d * d) / a0;
    const auto z1 = std::polar (1.0, -2.0 * pi * f / fs);
    return std::arg ((a2 + a1 * z1 + z1 * z1) / (1.0 + a1 * z1 + a2 * z1 * z1));
}

struct AllpassFixture
{
    cvl::ParameterDirector director;
    cvl::AllpassProcessor::Parameters parameters{ 0, director };
    std::array<cvl::AllpassProcessor, 1> processors;
    cvl::VectorSpaceProcessors spaces{};

    AllpassFixture (int order, std::size_t voices)
    {
        processors[0].setSampleRate (48000.0);
        parameters.setProcessors (processors);
        spaces[0].voiceCount = voices;
        cvl::test::change (director, "AllpassOrder0_Effect", static_cast<float> (order));
    }

    // Voice v's cutoff value is base + amount * x[v] of the first vector space.
    void setCutoffs (float base, float amount, std::initializer_list<float> x)
    {
        cvl::test::change (director, "AllpassCutoff0_Effect", base);
        cvl::test::change (director, "AllpassCutoff0_Effect_VectorSpace1X", amount);
        std::size_t v = 0;
        for (const auto value : x)
            spaces[0].transformed.x[v++] = value;
        parameters.calculateValues (spaces);
    }
};

std::vector<float> sineSignal (double hz, int length)
{
    std::vector<float> s (static_cast<std::size_t> (length));
    for (int i = 0; i < length; ++i)
        s[static_cast<std::size_t> (i)] = static_cast<float> (std::sin (2.0 * pi * hz * i / 48000.0));
    return s;
}

// The amplitude of the last half of a steady sine, from its RMS (sampled peaks miss high sines' crests).
double steadyAmplitude (const std::vector<float>& y)
{
    double sum = 0;
    for (auto i = y.size() / 2; i < y.size(); ++i)
        sum += static_cast<double> (y[i]) * static_cast<double> (y[i]);
    return std::sqrt (2.0 * sum / static_cast<double> (y.size() - y.size() / 2));
}
} // namespace

TEST (AllpassProcessor, KeepsTheAmplitudeOfSteadySinesForEveryOrder)
{
    for (const auto order : { 0, 1, 2, 3 })
        for (const auto hz : { 100.0, 1000.0, 9000.0 })
        {
            AllpassFixture f (order, 1);
            f.setCutoffs (0.5f, 0.0f, { 0.0f });
            cvl::test::VoiceSet voices (1, 48000);
            voices.buffers[0] = sineSignal (hz, 48000);
            auto view = voices.view();
            f.processors[0].process (view);
            EXPECT_NEAR (steadyAmplitude (voices.buffers[0]), 1.0, 0.005)
                << "order " << order << " at " << hz;
            EXPECT_EQ (f.processors[0].getBank().getNumStages(), static_cast<std::size_t> (order + 1));
        }
}

TEST (AllpassProcessor, TwoVoicesWithDifferentCutoffsNotchWhereTheirPhasesOppose)
{
    // Voice 0 at cutoff value 0.3, voice 1 at 0.7; find where one section's phases differ by pi.
    const auto low = static_cast<double> (cvl::Frequency::toHz (0.3f));
    const auto high = static_cast<double> (cvl::Frequency::toHz (0.7f));
    auto notch = 0.0, best = 0.0;
    for (double f = 50.0; f < 20000.0; f *= 1.001)
    {
        const auto difference = std::abs (
            std::remainder (sectionPhase (low, f, 48000.0) - sectionPhase (high, f, 48000.0), 2.0 * pi));
        if (difference > best)
            best = difference, notch = f;
    }
    ASSERT_GT (best, pi - 0.01);

    AllpassFixture f (0, 2);
    f.setCutoffs (0.5f, 0.2f / 1.0f, { -1.0f, 1.0f });
    cvl::test::VoiceSet voices (2, 48000);
    voices.buffers[0] = voices.buffers[1] = sineSignal (notch, 48000);
    auto view = voices.view();
    f.processors[0].process (view);
    std::vector<float> sum (48000);
    for (std::size_t i = 0; i < sum.size(); ++i)
        sum[i] = 0.5f * (voices.buffers[0][i] + voices.buffers[1][i]);
    EXPECT_LT (steadyAmplitude (sum), 0.02);

    // Away from the notch the sum keeps most of the signal.
    cvl::test::VoiceSet away (2, 48000);
    away.buffers[0] = away.buffers[1] = sineSignal (notch / 8.0, 48000);
    auto awayView = away.view();
    f.processors[0].process (awayView);
    std::vector<float> awaySum (48000);
    for (std::size_t i = 0; i < awaySum.size(); ++i)
        awaySum[i] = 0.5f * (away.buffers[0][i] + away.buffers[1][i]);
    EXPECT_GT (steadyAmplitude (awaySum), 0.5);
}

TEST (AllpassProcessor, FiltersWithoutSectionsPassTheirVoiceThrough)
{
    cvl::AllpassProcessor processor;
    processor.setSampleRate (48000.0);
    cvl::test::VoiceSet voices (3, 64);
    for (auto& buffer : voices.buffers)
        buffer = sineSignal (440.0, 64);
    const auto before = voices.buffers;
    auto view = voices.view();
    processor.process (view);
    EXPECT_EQ (voices.buffers, before);
}
