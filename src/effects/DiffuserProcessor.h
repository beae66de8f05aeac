#pragma once

#include "effects/DelayProcessor.h"
#include "effects/TimeFeedbackMixParameters.h"

#include <unordered_map>

namespace cvl
{
// A square matrix of +1 and -1 entries whose rows are orthogonal; the first order x order entries are used.
struct Hadamard
{
    static constexpr std::size_t maxOrder = 64;
    std::size_t order = 0;
    std::array<std::array<float, maxOrder>, maxOrder> entries{};

    // Sylvester's construction: H1 = [1], H2n = [[Hn, Hn], [Hn, -Hn]]; order is a power of two.
    static Hadamard sylvester (std::size_t order);
};

// A feedback delay network over the voices of one slot and channel: each voice has its own short line,
// delay time, feedback and mix, and what it feeds back is a normalised Hadamard mixture of every
// voice's delayed output, so the voices smear into each other. Delay changes glide over 4 ms.
// Threads: construction on the message thread; setSampleRate (inside prepareToPlay), setVoice and
// process on the audio thread. Only setSampleRate allocates.
class DiffuserProcessor final : public IEffectProcessor
{
public:
    using DelayParameters = DelayProcessor::DelayParameters;

    // The slot's DelayTime, Feedback and Mix, per voice.
    class Parameters final : public TimeFeedbackMixParameters<DiffuserProcessor>
    {
    public:
        static const juce::String Name;
        static const juce::String DelayTime;
        static const juce::String Feedback;
        static const juce::String Mix;

        Parameters (int slot, ParameterDirector& director)
            : TimeFeedbackMixParameters (slot, director, Name, DelayTime, Feedback, Mix)
        {
        }
    };

    static constexpr float rampTimeMs = 4.0f;

    // The matrices of orders 1, 2, 4, 8 and 16, built once at program start and only read afterwards.
    static const std::unordered_map<std::uint64_t, Hadamard> m_hadamard;

    void setSampleRate (double sampleRate) override;
    void process (VoiceBuffers& voices) noexcept override;

    // Normalised values in 0 ... 1, converted as the delay converts them.
    void setVoice (std::size_t voice, float time, float feedback, float mix) noexcept;

    [[nodiscard]] const DelayParameters& getVoice (std::size_t voice) const noexcept
    {
        return voiceStates[voice];
    }

private:
    static float rampStep (const DelayParameters& state) noexcept;
    void runNetwork (VoiceBuffers& voices, std::size_t numVoices) noexcept;

    float minimumDelay = 0.0f; // samples
    float delaySpan = 0.0f;    // samples
    std::array<DelayParameters, maxVoices> voiceStates{};
    std::array<float, maxVoices> delayed{};
    std::array<std::array<float, maxVoices>, maxVoices>
        columns{}; // columns[k][j]: row j, column k, normalised
};
} // namespace cvl
