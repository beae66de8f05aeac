#pragma once

#include "effects/IEffectProcessor.h"
#include "effects/TimeFeedbackMixParameters.h"
#include "modulation/VectorSpaceProcessor.h"
#include "parameters/DspParameter.h"

#include <span>
#include <vector>

namespace cvl
{
// The short feedback delay of one slot and one channel: one delay line per voice, up to 49 ms plus
// one sample long, whose length glides linearly to each new target over one sub-block.
// Threads: construction on the message thread; setSampleRate (inside prepareToPlay), setVoice and
// process on the audio thread. Only setSampleRate allocates.
class DelayProcessor final : public IEffectProcessor
{
public:
    // The per-voice state, one per voice slot.
    struct DelayParameters
    {
        std::uint32_t writeIndex = 0; // next write; moves down one slot per sample
        std::uint32_t mask = 0;       // line length - 1, the length being a power of two
        std::vector<float> line;
        float sampleRate = 0.0f;
        float currentDelay = 0.0f; // samples
        float targetDelay = 0.0f;  // samples
        float step = 0.0f;         // samples per sample
        float rampTime = 0.0f;     // ms
        float feedback = 0.0f;     // 0 ... 1
        float mix = 0.0f;          // 0 = dry only, 1 = delayed only
    };

    // The slot's Time, Feedback and Mix, per voice.
    class Parameters final : public TimeFeedbackMixParameters<DelayProcessor>
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

    static constexpr float maxDelayMs = 49.0f;
    static constexpr float lineLengthMs = 50.0f;
    static constexpr float initialRampTimeMs = 4.0f;

    void setSampleRate (double sampleRate) override;
    void process (VoiceBuffers& voices) noexcept override;

    // Normalised values in 0 ... 1: time 0 is one sample, 1 is 49 ms plus one sample.
    void setVoice (std::size_t voice, float time, float feedback, float mix) noexcept;

    [[nodiscard]] const DelayParameters& getVoice (std::size_t voice) const noexcept
    {
        return voiceStates[voice];
    }

private:
    static float rampStep (const DelayParameters& state) noexcept;

    float lineLengthBasis = 0.0f; // samples
    float msPerSample = 0.0f;
    float minimumDelay = 0.0f; // samples
    float delaySpan = 0.0f;    // samples
    std::array<DelayParameters, maxVoices> voiceStates{};
};
} // namespace cvl
