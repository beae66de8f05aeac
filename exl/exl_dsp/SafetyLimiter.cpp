namespace exl::dsp
{
namespace
{
    // The float nearest to 10^(9/20).
    constexpr float ceilingGain = 2.8183830f;
    constexpr float thresholdDb = 3.0f;
    constexpr float ratio = 1000.0f;
    constexpr float attackMs = 0.001f;
    constexpr float decayMs = 0.0f;
    constexpr float sustainLevel = 1.0f;
    constexpr float releaseMs = 100.0f;
    constexpr float rampMs = 1.0f;
    constexpr float peakOffsetDb = 12.0f;
    constexpr float lookaheadMs = 10.0f;
    constexpr int windowMs = 10;
    // The level is measured on every sixth sample.
    constexpr std::uint64_t samplesPerLevelUpdate = 6;
    constexpr float silenceDb = -3.4028235e38f;

    float toDecibels (float linear) noexcept
    {
        return linear == 0.0f ? silenceDb : 20.0f * std::log10 (std::abs (linear));
    }
} // namespace

namespace detail
{
    // A sample ring written backwards, so that (index + k) & mask is the sample of k samples ago.
    struct DelayRing
    {
        std::uint32_t writeIndex = 0;
        std::uint32_t mask = 0;
        std::vector<float> samples;

        void resize (double sampleRate)
        {
            samples.resize (static_cast<std::size_t> (juce::nextPowerOfTwo (static_cast<int> (sampleRate))),
                            0.0f);
            mask = static_cast<std::uint32_t> (samples.size() - 1);
        }

        std::uint32_t push (float sample) noexcept
        {
            const auto index = writeIndex & mask;
            samples[index] = sample;
            --writeIndex;
            return index;
        }

        // Linear interpolation between the samples stored d - 1 and d samples before index w.
        float read (std::uint32_t w, std::uint32_t d, float fraction) const noexcept
        {
            const auto a = samples[(w + d - 1) & mask];
            const auto b = samples[(w + d) & mask];
            return a + fraction * (b - a);
        }
    };

    // The most recent power values, oldest first, in a fixed ring: replacing the oldest entry is
    // the only operation on the audio thread.
    struct PowerWindow
    {
        std::vector<float> entries;
        std::size_t oldest = 0;

        // Keeps the oldest entries in order, appends zeros or drops the newest ones.
        void resize (std::size_t size)
        {
            std::vector<float> ordered (size, 0.0f);
            for (std::size_t i = 0; i < std::min (size, entries.size()); ++i)
                ordered[i] = entries[(oldest + i) % entries.size()];
            entries = std::move (ordered);
            oldest = 0;
        }

        float replaceOldest (float power) noexcept
        {
            const auto removed = entries[oldest];
            entries[oldest] = power;
            oldest = oldest + 1 == entries.size() ? 0 : oldest + 1;
            return removed;
        }
    };
} // namespace detail

struct SafetyLimiter::Impl
{
    float ceiling = 0.0f;
    float threshold = thresholdDb;
    detail::DelayRing left, right;
    detail::PowerWindow window;
    std::uint64_t updateCounter = 0;
    float powerSum = 0.0f;
    float level = 0.0f;
    float levelDb = silenceDb; // of level, updated with it
    Adsr envelope{ attackMs, decayMs, sustainLevel, releaseMs };
    float envelopeValue = 0.0f;
    float sampleRate = 0.0f;
    float currentGain = 0.0f;
    float targetGain = 0.0f;
    float gainStep = 0.0f;
    float rampTime = 0.0f;
    float lookahead = 0.0f;

    void setTarget (float gain) noexcept
    {
        targetGain = gain;
        gainStep = std::abs (targetGain - currentGain) / (sampleRate * 0.001f * rampTime);
    }

    void moveGainTowardTarget() noexcept
    {
        if (currentGain < targetGain)
            currentGain = std::min (currentGain + gainStep, targetGain);
        else if (currentGain > targetGain)
            currentGain = std::max (currentGain - gainStep, targetGain);
    }

    void measureLevel (float l, float r) noexcept
    {
        if (updateCounter++ < samplesPerLevelUpdate - 1 || window.entries.empty())
            return;
        const auto power = (l * l + r * r) / 2.0f;
        const auto removed = window.replaceOldest (power);
        powerSum = powerSum - removed + power;
        updateCounter = 0;
        level = std::sqrt (powerSum / static_cast<float> (window.entries.size()));
        levelDb = toDecibels (level);
    }

    // The peak's level in dB is only needed at the threshold itself, so it is computed only there.
    void triggerEnvelope (float peak) noexcept
    {
        const auto attackIdle = envelope.getState (Adsr::attack) == Adsr::State::idle;
        if (levelDb < threshold && ! attackIdle)
            envelope.startRelease();
        else if (levelDb >= threshold && attackIdle &&
                 (levelDb > threshold || toDecibels (peak) > threshold + peakOffsetDb))
            envelope.startAttack();
    }
};

SafetyLimiter::SafetyLimiter() : impl (std::make_unique<Impl>()) {}
SafetyLimiter::~SafetyLimiter() = default;

void SafetyLimiter::prepare (double sampleRate)
{
    auto& s = *impl;
    s.window.resize (static_cast<std::size_t> (static_cast<int> (sampleRate / 1000.0) * windowMs));
    s.lookahead = static_cast<float> (sampleRate / 1000.0 * lookaheadMs);
    s.left.resize (sampleRate);
    s.right.resize (sampleRate);
    s.envelope.setSampleRate (sampleRate);
    s.sampleRate = static_cast<float> (sampleRate);
    s.rampTime = rampMs;
    s.setTarget (s.targetGain);
    s.threshold = thresholdDb;
    s.ceiling = ceilingGain;
}

void SafetyLimiter::process (float* leftSamples, float* rightSamples, int numSamples) noexcept
{
    auto& s = *impl;
    const auto delay = static_cast<std::uint32_t> (s.lookahead);
    const auto fraction = s.lookahead - static_cast<float> (delay);

    for (int i = 0; i < numSamples; ++i)
    {
        const auto l = leftSamples[i];
        const auto r = rightSamples[i];

        const auto w = s.left.push (l);
        s.right.push (r);
        const auto yL = s.left.read (w, delay, fraction);
        const auto yR = s.right.read (w, delay, fraction);

        s.measureLevel (l, r);
        const auto over = s.levelDb - s.threshold;
        const auto reduction = over - over / ratio;

        s.triggerEnvelope (std::max (std::abs (yL), std::abs (yR)));
        s.envelopeValue = s.envelope.step();

        auto outL = yL;
        auto outR = yR;
        if (reduction > 0.0f)
        {
            const auto g = static_cast<float> (juce::jlimit (
                0.0, 1.0, std::pow (10.0, -static_cast<double> (s.envelopeValue * reduction) / 20.0)));
            if (g != s.targetGain)
                s.setTarget (g);
            s.moveGainTowardTarget();
            outL *= s.currentGain;
            outR *= s.currentGain;
        }
        else
        {
            if (s.targetGain != 1.0f)
                s.setTarget (1.0f);
            s.moveGainTowardTarget();
        }

        leftSamples[i] = juce::jlimit (-s.ceiling, s.ceiling, outL);
        rightSamples[i] = juce::jlimit (-s.ceiling, s.ceiling, outR);
    }
}

int SafetyLimiter::getLatencyInSamples() const noexcept { return juce::roundToInt (impl->lookahead - 1.0f); }
float SafetyLimiter::getCeiling() const noexcept { return impl->ceiling; }
float SafetyLimiter::getCurrentGain() const noexcept { return impl->currentGain; }
} // namespace exl::dsp
