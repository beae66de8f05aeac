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

    // A copy of one voice's line state (without the line itself).
    [[nodiscard]] DelayParameters getVoice (std::size_t voice) const noexcept;

private:
    // Samples per transposed chunk of voices.
    static constexpr std::size_t chunkLength = 64;

    [[nodiscard]] float rampStep (float from, float to) const noexcept;
    void runNetwork (std::size_t numSamples, std::size_t numVoices) noexcept;

    float minimumDelay = 0.0f; // samples
    float delaySpan = 0.0f;    // samples
    float voiceRate = 0.0f;    // Hz
    std::uint32_t mask = 0;    // line length - 1
    std::size_t lineLength = 0;
    std::vector<float> lines; // voice j's line from j * lineLength

    // Per voice, side by side: delays in samples, their steps per sample, gains 0 ... 1.
    std::array<float, maxVoices> current{}, target{}, step{}, feedback{}, mix{};
    std::array<std::uint32_t, maxVoices> writeIndex{}; // moves down one slot per sample
    std::array<std::array<float, maxVoices>, maxVoices>
        columns{};                     // columns[k][j]: row j, column k, normalised
    std::size_t columnsVoiceCount = 0; // the voice count the columns were built for; 0 for none
    std::array<float, chunkLength * maxVoices> frames{}; // frames[i * 16 + j]: voice j at sample i
};
} // namespace cvl
