#include <exl_dsp/exl_dsp.h>

#include <gtest/gtest.h>

#include <deque>

namespace
{
// A plainly written model of the limiter: a deque for the power window, plain vectors for the
// delay lines and the envelope written out stage by stage.
class ReferenceLimiter
{
public:
    explicit ReferenceLimiter (double sampleRate)
        : sr (static_cast<float> (sampleRate)),
          window (static_cast<std::size_t> (static_cast<int> (sampleRate / 1000.0) * 10), 0.0f),
          lookahead (static_cast<float> (sampleRate / 1000.0 * 10.0)), historyL (1 << 17, 0.0f),
          historyR (1 << 17, 0.0f)
    {
        gainStep = 0.0f;
    }

    std::pair<float, float> process (float l, float r)
    {
        historyL[written] = l;
        historyR[written] = r;
        const auto d = static_cast<std::size_t> (lookahead);
        const auto f = lookahead - static_cast<float> (d);
        const auto delayed = [&] (const std::vector<float>& h)
        {
            const auto a = written + 1 >= d ? h[written + 1 - d] : 0.0f;
            const auto b = written >= d ? h[written - d] : 0.0f;
            return a + f * (b - a);
        };
        const auto yL = delayed (historyL);
        const auto yR = delayed (historyR);
        ++written;

        if (counter++ >= 5)
        {
            const auto p = (l * l + r * r) / 2.0f;
            const auto oldest = window.front();
            window.pop_front();
            window.push_back (p);
            sum = sum - oldest + p;
            counter = 0;
            level = std::sqrt (sum / static_cast<float> (window.size()));
        }
        const auto toDb = [] (float x)
        { return x == 0.0f ? -3.4028235e38f : 20.0f * std::log10 (std::abs (x)); };
        const auto levelDb = toDb (level);
        const auto peakDb = toDb (std::max (std::abs (yL), std::abs (yR)));
        const auto over = levelDb - 3.0f;
        const auto reduction = over - over / 1000.0f;

        const auto attackStarted = stage == Stage::attack || stage == Stage::decay || stage == Stage::sustain;
        if (levelDb < 3.0f && attackStarted)
        {
            releaseStart = stage == Stage::attack && attackProgress < 1.0f ? attackValue : 1.0f;
            releaseValue = releaseStart;
            releasePosition = 0.0f;
            releaseProgress = 0.0f;
            stage = Stage::release;
        }
        else if (levelDb >= 3.0f && ! attackStarted && (levelDb > 3.0f || peakDb > 15.0f))
        {
            attackStart = releaseValue;
            attackValue = attackStart;
            attackPosition = 0.0f;
            attackProgress = 0.0f;
            stage = Stage::attack;
        }

        auto e = 0.0f;
        const auto attackLength = 0.001f * sr / 1000.0f;
        const auto releaseLength = 100.0f * sr / 1000.0f;
        if (stage == Stage::attack)
        {
            if (attackProgress >= 1.0f)
            {
                stage = Stage::decay;
                e = 1.0f; // the decay lasts zero samples and ends at the sustain level 1
            }
            else
            {
                attackProgress = std::clamp (std::sqrt (attackPosition / attackLength), 0.0f, 1.0f);
                attackPosition += 1.0f;
                attackValue = attackStart + (1.0f - attackStart) * attackProgress;
                e = attackValue;
            }
        }
        else if (stage == Stage::decay)
        {
            stage = Stage::sustain;
            e = 1.0f;
        }
        else if (stage == Stage::sustain)
            e = 1.0f;
        else if (stage == Stage::release)
        {
            if (releaseProgress >= 1.0f)
            {
                stage = Stage::off;
                e = 0.0f;
            }
            else
            {
                const auto x = releasePosition / releaseLength;
                releaseProgress = std::clamp (x * x, 0.0f, 1.0f);
                releasePosition += 1.0f;
                releaseValue = releaseStart - releaseStart * releaseProgress;
                e = releaseValue;
            }
        }

        auto outL = yL, outR = yR;
        const auto retarget = [&] (float g)
        {
            target = g;
            gainStep = std::abs (target - gain) / (sr * 0.001f * 1.0f);
        };
        const auto moveGain = [&]
        { gain = gain < target ? std::min (gain + gainStep, target) : std::max (gain - gainStep, target); };
        if (reduction > 0.0f)
        {
            const auto g = static_cast<float> (
                std::clamp (std::pow (10.0, -static_cast<double> (e * reduction) / 20.0), 0.0, 1.0));
            if (g != target)
                retarget (g);
            moveGain();
            outL *= gain;
            outR *= gain;
        }
        else
        {
            if (target != 1.0f)
                retarget (1.0f);
            moveGain();
        }
        const auto ceiling = 2.8183830f;
        return { std::clamp (outL, -ceiling, ceiling), std::clamp (outR, -ceiling, ceiling) };
    }

    float gain = 0.0f;

private:
    enum class Stage
    {
        off,
        attack,
        decay,
        sustain,
        release
    };
    float sr;
    std::deque<float> window;
    float lookahead;
    std::vector<float> historyL, historyR;
    std::size_t written = 0;
    int counter = 0;
    float sum = 0.0f, level = 0.0f;
    Stage stage = Stage::off;
    float attackStart = 0.0f, attackValue = 0.0f, attackPosition = 0.0f, attackProgress = 0.0f;
    float releaseStart = 0.0f, releaseValue = 0.0f, releasePosition = 0.0f, releaseProgress = 0.0f;
    float target = 0.0f, gainStep = 0.0f;
};

using Signal = std::function<std::pair<float, float> (int)>;

struct LimiterRun
{
    std::vector<float> left, right, referenceLeft, referenceRight;
};

LimiterRun runBoth (double sampleRate, int numSamples, const Signal& signal, int blockSize = 256)
{
    exl::dsp::SafetyLimiter limiter;
    limiter.prepare (sampleRate);
    ReferenceLimiter reference (sampleRate);
    LimiterRun run;
    for (int i = 0; i < numSamples; ++i)
    {
        const auto [l, r] = signal (i);
        run.left.push_back (l);
        run.right.push_back (r);
        const auto [refL, refR] = reference.process (l, r);
        run.referenceLeft.push_back (refL);
        run.referenceRight.push_back (refR);
    }
    for (int start = 0; start < numSamples; start += blockSize)
    {
        const auto length = std::min (blockSize, numSamples - start);
        limiter.process (run.left.data() + start, run.right.data() + start, length);
    }
    return run;
}

void expectMatchesReference (const LimiterRun& run)
{
    for (std::size_t i = 0; i < run.left.size(); ++i)
    {
        ASSERT_NEAR (run.left[i], run.referenceLeft[i], 1e-6f) << "left sample " << i;
        ASSERT_NEAR (run.right[i], run.referenceRight[i], 1e-6f) << "right sample " << i;
    }
}

float sineAt (int i, double hz, double sampleRate, float amplitude)
{
    return amplitude *
           static_cast<float> (std::sin (juce::MathConstants<double>::twoPi * hz * i / sampleRate));
}
} // namespace

TEST (SafetyLimiter, QuietSignalIsOnlyDelayed)
{
    for (const auto& [sampleRate, delay] : { std::pair{ 44100.0, 440 }, std::pair{ 48000.0, 479 } })
    {
        const auto run = runBoth (
            sampleRate, 4000,
            [&] (int i) {
                return std::pair{ sineAt (i, 440.0, sampleRate, 0.8f), sineAt (i, 660.0, sampleRate, -0.5f) };
            });
        for (int i = delay; i < 4000; ++i)
        {
            ASSERT_NEAR (run.left[static_cast<std::size_t> (i)], sineAt (i - delay, 440.0, sampleRate, 0.8f),
                         1e-6f)
                << i;
            ASSERT_NEAR (run.right[static_cast<std::size_t> (i)],
                         sineAt (i - delay, 660.0, sampleRate, -0.5f), 1e-6f)
                << i;
        }
        for (int i = 0; i < delay; ++i)
            ASSERT_EQ (run.left[static_cast<std::size_t> (i)], 0.0f);
        expectMatchesReference (run);
    }
}

TEST (SafetyLimiter, LoudConstantSignalSettlesAtTheThreshold)
{
    constexpr double sampleRate = 44100.0;
    const auto run = runBoth (sampleRate, 20000,
                              [] (int i) {
                                  return i < 2000 ? std::pair{ 0.0f, 0.0f } : std::pair{ 2.0f, 2.0f };
                              });
    expectMatchesReference (run);
    // Right after the onset leaves the delay line the level has barely risen: still unscaled.
    EXPECT_FLOAT_EQ (run.left[2000 + 440], 2.0f);
    // Once the window holds only the loud signal and the ramp has run: +3 dB, about 1.41.
    for (std::size_t i = 2000 + 440 + 3000; i < 20000; ++i)
        ASSERT_NEAR (run.left[i], std::sqrt (2.0f), 0.01f) << i;
}

TEST (SafetyLimiter, SinglePeakIsClippedButNotReduced)
{
    constexpr double sampleRate = 48000.0;
    const auto run = runBoth (sampleRate, 3000,
                              [] (int i) {
                                  return i == 100 ? std::pair{ 5.0f, -4.0f } : std::pair{ 0.1f, 0.1f };
                              });
    expectMatchesReference (run);
    EXPECT_FLOAT_EQ (run.left[100 + 479], 2.8183830f);
    EXPECT_FLOAT_EQ (run.right[100 + 479], -2.8183830f);
    EXPECT_FLOAT_EQ (run.left[101 + 479], 0.1f);
}

TEST (SafetyLimiter, GainRampStartsFromZeroAfterTheFirstPreparation)
{
    constexpr double sampleRate = 44100.0;
    exl::dsp::SafetyLimiter limiter;
    limiter.prepare (sampleRate);
    EXPECT_EQ (limiter.getCurrentGain(), 0.0f);
    // Below the threshold the gain heads for 1 over the 1 ms ramp, starting from 0.
    float left = 0.1f, right = 0.1f;
    limiter.process (&left, &right, 1);
    EXPECT_FLOAT_EQ (limiter.getCurrentGain(), 1.0f / 44.1f);

    // A start loud enough to cross the threshold at the first level update ramps down from there.
    const auto run = runBoth (sampleRate, 3000, [] (int) { return std::pair{ 100.0f, 100.0f }; });
    expectMatchesReference (run);
}

TEST (SafetyLimiter, ReleaseSwitchesBackToTheUnscaledSignalAtOnce)
{
    constexpr double sampleRate = 44100.0;
    const auto loud = [] (int i) { return i < 6000 ? std::pair{ 2.5f, 2.5f } : std::pair{ 0.2f, -0.2f }; };
    const auto run = runBoth (sampleRate, 14000, loud, 64);
    expectMatchesReference (run);
    // The quiet part leaves the delay line reduced while the window still holds loud entries; the
    // sample at which the level drops below the threshold comes out unscaled, with no ramp back.
    const auto firstUnscaled = std::find (run.left.begin() + 6440, run.left.end(), 0.2f);
    ASSERT_NE (firstUnscaled, run.left.end());
    EXPECT_LT (*(firstUnscaled - 1), 0.2f);
    EXPECT_TRUE (std::all_of (firstUnscaled, run.left.end(), [] (float s) { return s == 0.2f; }));
}

TEST (SafetyLimiter, MatchesTheReferenceOnNoiseBurstsAndRepeatedPreparation)
{
    juce::Random random (7);
    std::vector<std::pair<float, float>> noise;
    for (int i = 0; i < 30000; ++i)
    {
        const auto amplitude = (i / 3000) % 2 == 0 ? 0.3f : 4.0f;
        noise.emplace_back (amplitude * (random.nextFloat() * 2.0f - 1.0f),
                            amplitude * (random.nextFloat() * 2.0f - 1.0f));
    }
    const auto run = runBoth (
        96000.0, 30000, [&] (int i) { return noise[static_cast<std::size_t> (i)]; }, 441);
    expectMatchesReference (run);

    exl::dsp::SafetyLimiter limiter;
    limiter.prepare (44100.0);
    limiter.prepare (44100.0);
    EXPECT_EQ (limiter.getLatencyInSamples(), 440);
    EXPECT_FLOAT_EQ (limiter.getCeiling(), 2.8183830f);
    limiter.prepare (48000.0);
    EXPECT_EQ (limiter.getLatencyInSamples(), 479);
}
