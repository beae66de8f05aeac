#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

// Plain models of the delay and the diffuser: every sample ever written kept in order, delays read as
// "so many samples ago", delay lengths moving in equal steps towards each new target.
namespace cvl::reference
{
struct VoiceSettings
{
    float time, feedback, mix;
};

// A plain model of one voice: every sample ever written kept in order, the delay read as
// "so many samples ago", the length moving in equal steps towards each new target.
class ReferenceDelay
{
public:
    explicit ReferenceDelay (float sampleRateHz) : rate (sampleRateHz)
    {
        // The line holds the smallest power of two of samples that covers 50 ms.
        lineLength = 1;
        while (lineLength < static_cast<std::size_t> (rate / 1000.0f * 50.0f))
            lineLength *= 2;
    }

    void set (const VoiceSettings& settings)
    {
        const auto newTarget = settings.time * (rate / 1000.0f * 49.0f) + 1.0f;
        if (newTarget != target)
        {
            target = newTarget;
            step = std::abs (target - current) / (rate * 0.001f * rampMs);
        }
        feedback = settings.feedback;
        mix = settings.mix;
    }

    void process (std::vector<float>& block)
    {
        for (auto& x : block)
        {
            if (current < target)
                current = std::min (current + step, target);
            else if (current > target)
                current = std::max (current - step, target);
            const auto whole = static_cast<std::size_t> (current);
            const auto f = current - static_cast<float> (whole);
            const auto y = (1.0f - f) * writtenAgo (whole) + f * writtenAgo (whole + 1);
            history.push_back (x + feedback * y);
            x = x * (1.0f - mix) + y * mix;
        }
        rampMs = 1000.0f / rate * static_cast<float> (block.size());
        step = std::abs (target - current) / (rate * 0.001f * rampMs);
    }

private:
    // 1 is the latest sample; 0 reads the sample a whole line ago, about to be overwritten.
    float writtenAgo (std::size_t samples) const
    {
        if (samples == 0)
            samples = lineLength;
        return samples <= history.size() ? history[history.size() - samples] : 0.0f;
    }

    float rate;
    std::size_t lineLength;
    std::vector<float> history;
    float current = 0.0f, target = 0.0f, step = 0.0f, rampMs = 4.0f, feedback = 0.0f, mix = 0.0f;
};

// The network written out plainly: lines as growing histories, the Hadamard matrix by recursion on
// its sign pattern, the delay moving linearly by a fixed step towards its target.
class ReferenceDiffuser
{
public:
    ReferenceDiffuser (double fs, std::size_t voices)
        : rate (static_cast<float> (fs)), histories (voices), current (voices, 0.0f), target (voices, 0.0f),
          step (voices, 0.0f), feedback (voices), mix (voices)
    {
    }

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
                current[j] = current[j] < target[j] ? std::min (current[j] + step[j], target[j])
                                                    : std::max (current[j] - step[j], target[j]);
                const auto whole = static_cast<std::size_t> (current[j]);
                const auto f = current[j] - static_cast<float> (whole);
                const auto ago = [&] (std::size_t k)
                { return k <= histories[j].size() && k > 0 ? histories[j][histories[j].size() - k] : 0.0f; };
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
} // namespace cvl::reference
