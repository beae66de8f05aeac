#include "DelayProcessor.h"

#include "effects/EffectParameterId.h"
#include "effects/Interpolation.h"
#include "parameters/ParameterTextFunctions.h"

namespace cvl
{
namespace
{
    constexpr float msPerSecond = 1000.0f;
    constexpr float secondsPerMs = 0.001f;
} // namespace

const juce::String DelayProcessor::Parameters::Name{ "Delay" };
const juce::String DelayProcessor::Parameters::DelayTime{ "Time" };
const juce::String DelayProcessor::Parameters::Feedback{ "Feedback" };
const juce::String DelayProcessor::Parameters::Mix{ "Mix" };

void DelayProcessor::setSampleRate (double sampleRate)
{
    const auto rate = static_cast<float> (sampleRate);
    msPerSample = msPerSecond / rate;
    minimumDelay = 1.0f;
    delaySpan = rate / msPerSecond * maxDelayMs;
    lineLengthBasis = rate / msPerSecond * lineLengthMs;
    const auto length = juce::nextPowerOfTwo (static_cast<int> (lineLengthBasis));

    for (auto& state : voiceStates)
    {
        state.mask = static_cast<std::uint32_t> (length - 1);
        // Existing history is kept across preparations; new room is silent.
        state.line.resize (static_cast<std::size_t> (length), 0.0f);
        state.sampleRate = rate;
        state.rampTime = initialRampTimeMs;
        state.step = rampStep (state);
    }
}

float DelayProcessor::rampStep (const DelayParameters& state) noexcept
{
    return std::abs (state.targetDelay - state.currentDelay) /
           (state.sampleRate * secondsPerMs * state.rampTime);
}

void DelayProcessor::setVoice (std::size_t voice, float newTime, float newFeedback, float newMix) noexcept
{
    auto& state = voiceStates[voice];
    const auto target = newTime * delaySpan + minimumDelay;
    if (target != state.targetDelay || std::isnan (state.targetDelay))
    {
        state.targetDelay = target;
        state.step = rampStep (state);
    }
    state.feedback = newFeedback;
    state.mix = newMix;
}

void DelayProcessor::process (VoiceBuffers& voices) noexcept
{
    // An empty sub-block has no duration to ramp over; it leaves every voice as it is.
    if (voices.numSamples == 0)
        return;

    const auto numVoices = std::min (voices.numVoices, maxVoices);
    for (std::size_t v = 0; v < numVoices; ++v)
    {
        auto& state = voiceStates[v];
        // Unprepared voices have no line to read; they pass the input through.
        if (state.line.empty())
            continue;

        auto* samples = voices[v];
        auto* line = state.line.data();
        const auto mask = state.mask;
        auto writeIndex = state.writeIndex;
        auto current = state.currentDelay;
        const auto target = state.targetDelay;
        const auto step = state.step;
        const auto feedbackGain = state.feedback;
        const auto wet = state.mix;

        for (std::size_t i = 0; i < voices.numSamples; ++i)
        {
            if (current < target)
            {
                current += step;
                if (current >= target)
                    current = target;
            }
            else if (current > target)
            {
                current -= step;
                if (current <= target)
                    current = target;
            }

            const auto whole = static_cast<std::uint32_t> (current);
            const auto fraction = current - static_cast<float> (whole);
            const auto a = line[(writeIndex + whole) & mask];
            const auto b = line[(writeIndex + whole + 1u) & mask];
            const auto delayed = interpolate (a, b, fraction);

            const auto x = samples[i];
            line[writeIndex & mask] = x + feedbackGain * delayed;
            samples[i] = x * (1.0f - wet) + delayed * wet;
            --writeIndex;
        }

        state.writeIndex = writeIndex;
        state.currentDelay = current;
        // The next target is reached over one sub-block of this length.
        state.rampTime = msPerSample * static_cast<float> (voices.numSamples);
        state.step = rampStep (state);
    }
}
} // namespace cvl
