#include "effects/FilterProcessor.h"
#include "VoiceSet.h"
#include "modulation/Frequency.h"
#include "support/DirectorAccess.h"

#include <gtest/gtest.h>

#include <complex>

namespace
{
constexpr double pi = juce::MathConstants<double>::pi;
constexpr double q = 0.70710677;

using Biquad = std::pair<std::array<double, 3>, std::array<double, 3>>; // b, a with a0 = 1

// Butterworth sections written out from the design rules: pole angles, the per-stage divisor
// (q^2)^(1 / (i+1)^(i+1)), bilinear transform with c = tan(pi f / fs).
std::vector<Biquad> referenceLowOrHighPass (double f, double fs, int stages, bool highPass)
{
    std::vector<Biquad> sections;
    const double n = 2.0 * stages;
    const double c = std::tan (pi * f / fs);
    for (int i = 0; i < stages; ++i)
    {
        const double h = std::cos ((2.0 * (2 * i + 1) + n - 1.0) * pi / (2.0 * n)) +
                         std::cos ((2.0 * (n - 2 * i) + n - 1.0) * pi / (2.0 * n));
        const double rho = c * h / std::pow (q * q, 1.0 / std::pow (i + 1.0, i + 1.0));
        const double a0 = 1.0 - rho + c * c;
        std::array<double, 3> b = highPass ? std::array<double, 3>{ 1.0, -2.0, 1.0 }
                                           : std::array<double, 3>{ c * c, 2 * c * c, c * c };
        for (auto& x : b)
            x /= a0;
        sections.push_back ({ b, { 1.0, (2 * c * c - 2.0) / a0, (1.0 + rho + c * c) / a0 } });
    }
    return sections;
}

double responseAt (const std::vector<Biquad>& sections, double f, double fs)
{
    const auto z1 = std::polar (1.0, -2.0 * pi * f / fs);
    std::complex<double> h = 1.0;
    for (const auto& [b, a] : sections)
        h *= (b[0] + b[1] * z1 + b[2] * z1 * z1) / (a[0] + a[1] * z1 + a[2] * z1 * z1);
    return std::abs (h);
}

// Direct form I, plainly.
std::vector<float> runDirectForm (const std::vector<Biquad>& sections, const std::vector<float>& input)
{
    std::vector<double> signal (input.begin(), input.end());
    for (const auto& [b, a] : sections)
    {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (auto& x : signal)
        {
            const double y = b[0] * x + b[1] * x1 + b[2] * x2 - a[1] * y1 - a[2] * y2;
            x2 = x1, x1 = x, y2 = y1, y1 = y;
            x = y;
        }
    }
    return { signal.begin(), signal.end() };
}

struct FilterFixture
{
    double sampleRate = 48000.0;
    cvl::ParameterDirector director;
    cvl::FilterProcessor::Parameters parameters{ 0, director };
    std::array<cvl::FilterProcessor, 1> processors;
    cvl::VectorSpaceProcessors spaces{};

    FilterFixture (int type, int order, float cutoff, std::size_t voices = 1)
    {
        processors[0].setSampleRate (sampleRate);
        parameters.setProcessors (processors);
        spaces[0].voiceCount = voices;
        cvl::test::change (director, "FilterType0_Effect", static_cast<float> (type));
        cvl::test::change (director, "FilterOrder0_Effect", static_cast<float> (order));
        cvl::test::change (director, "FilterCutoff0_Effect", cutoff);
        parameters.calculateValues (spaces);
    }

    std::vector<float> run (const std::vector<float>& input)
    {
        cvl::test::VoiceSet voices (1, input.size());
        voices.buffers[0] = input;
        auto view = voices.view();
        processors[0].process (view);
        return voices.buffers[0];
    }
};

std::vector<float> sineSignal (double hz, double fs, int length)
{
    std::vector<float> s (static_cast<std::size_t> (length));
    for (int i = 0; i < length; ++i)
        s[static_cast<std::size_t> (i)] = static_cast<float> (std::sin (2.0 * pi * hz * i / fs));
    return s;
}

// Amplitude of the last half of a steady sine.
double steadyAmplitude (const std::vector<float>& y)
{
    double peak = 0;
    for (auto i = y.size() / 2; i < y.size(); ++i)
        peak = std::max (peak, std::abs (static_cast<double> (y[i])));
    return peak;
}
} // namespace

TEST (FilterProcessor, LowAndHighPassMatchTheButterworthSectionsOnceTheGlideIsOver)
{
    juce::Random random (5);
    std::vector<float> noise (24000);
    for (auto& x : noise)
        x = random.nextFloat() * 2.0f - 1.0f;

    for (const auto type : { 0, 1 })
        for (const auto order : { 0, 1 })
            for (const auto cutoff : { 0.25f, 0.5f, 0.8f })
            {
                FilterFixture f (type, order, cutoff);
                const auto hz = static_cast<double> (cvl::Frequency::toHz (cutoff));
                const auto reference =
                    runDirectForm (referenceLowOrHighPass (hz, f.sampleRate, order + 1, type == 1), noise);
                const auto output = f.run (noise);
                // Different starts (the glide from zero) have died away well before the end.
                for (std::size_t i = 20000; i < noise.size(); ++i)
                    ASSERT_NEAR (output[i], reference[i], 1e-4f)
                        << "type " << type << " order " << order << " cutoff " << cutoff << " at " << i;
            }
}

TEST (FilterProcessor, SteadySinesFollowTheDesignedMagnitude)
{
    struct Case
    {
        int type, order;
        float cutoff;
        double probeHz;
    };
    const Case cases[] = { { 0, 0, 0.5f, 100.0 },
                           { 0, 0, 0.5f, 5000.0 },
                           { 0, 1, 0.5f, 3000.0 },
                           { 1, 0, 0.5f, 200.0 },
                           { 1, 1, 0.5f, 8000.0 } };
    for (const auto& c : cases)
    {
        FilterFixture f (c.type, c.order, c.cutoff);
        const auto hz = static_cast<double> (cvl::Frequency::toHz (c.cutoff));
        const auto expected = responseAt (referenceLowOrHighPass (hz, f.sampleRate, c.order + 1, c.type == 1),
                                          c.probeHz, f.sampleRate);
        EXPECT_NEAR (steadyAmplitude (f.run (sineSignal (c.probeHz, f.sampleRate, 48000))), expected, 0.01)
            << c.probeHz;
    }
}

TEST (FilterProcessor, OneStageLowPassPassesDcAndHasTwiceTheTextbookDamping)
{
    FilterFixture f (0, 0, 0.5f);
    const auto output = f.run (std::vector<float> (48000, 1.0f));
    EXPECT_NEAR (output.back(), 1.0f, 1e-5f);
    // With the doubled damping the gain at the cutoff is 1 / (2 sqrt 2), not 1 / sqrt 2.
    const auto hz = static_cast<double> (cvl::Frequency::toHz (0.5f));
    FilterFixture atCutoff (0, 0, 0.5f);
    EXPECT_NEAR (steadyAmplitude (atCutoff.run (sineSignal (hz, 48000.0, 48000))),
                 1.0 / (2.0 * std::sqrt (2.0)), 0.005);
}

TEST (FilterProcessor, BandPassHasUnitGainAtItsCentreAndBandStopANotch)
{
    for (const auto cutoff : { 0.25f, 0.5f })
        for (const auto order : { 0, 1 })
        {
            const auto hz = static_cast<double> (cvl::Frequency::toHz (cutoff));
            FilterFixture pass (2, order, cutoff);
            EXPECT_NEAR (steadyAmplitude (pass.run (sineSignal (hz, 48000.0, 48000))), 1.0, 0.01) << hz;
            FilterFixture stop (3, order, cutoff);
            EXPECT_LT (steadyAmplitude (stop.run (sineSignal (hz, 48000.0, 48000))), 0.02) << hz;
            FilterFixture stopDc (3, order, cutoff);
            EXPECT_NEAR (stopDc.run (std::vector<float> (48000, 1.0f)).back(), 1.0f, 1e-3f) << hz;
        }
}

TEST (FilterProcessor, BandPassNearTheBottomStartsItsBandAtTwentyHertz)
{
    // At 100 Hz the lower edge would fall below 20 Hz: the band runs from 20 to 807.1 Hz, so 400 Hz
    // passes far better than 5 kHz.
    const auto cutoff = cvl::Frequency::toNormalised (100.0f);
    FilterFixture inBand (2, 0, cutoff);
    FilterFixture outOfBand (2, 0, cutoff);
    EXPECT_GT (steadyAmplitude (inBand.run (sineSignal (400.0, 48000.0, 48000))), 0.5);
    EXPECT_LT (steadyAmplitude (outOfBand.run (sineSignal (5000.0, 48000.0, 48000))), 0.2);
}

TEST (FilterProcessor, SecondStageJoinsFromZeroAndCutoffChangesGlide)
{
    FilterFixture f (0, 0, 0.5f);
    f.run (sineSignal (500.0, 48000.0, 4800));
    cvl::test::change (f.director, "FilterOrder0_Effect", 1.0f);
    const auto& bank = f.processors[0].getBank();
    ASSERT_EQ (bank.getNumStages(), 2u);
    EXPECT_EQ (bank.getState1 (1, 0), 0.0);
    EXPECT_EQ (bank.getState2 (1, 0), 0.0);

    // A new cutoff reaches its coefficients over 5 ms (240 samples at 48 kHz), not at once.
    cvl::test::change (f.director, "FilterCutoff0_Effect", 0.2f);
    f.parameters.calculateValues (f.spaces);
    EXPECT_TRUE (bank.isGliding (0, 0));
    f.run (std::vector<float> (239, 0.0f));
    EXPECT_TRUE (bank.isGliding (0, 0));
    f.run (std::vector<float> (1, 0.0f));
    EXPECT_FALSE (bank.isGliding (0, 0));
}
