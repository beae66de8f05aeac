#pragma once

#include "effects/IEffectProcessor.h"
#include "modulation/VectorSpaceProcessor.h"
#include "parameters/DspParameter.h"

#include <span>

namespace cvl
{
// Per-voice level and left/right balance of one slot and one channel. Channel 0 is the left side,
// every other channel the right side.
// Threads: construction on the message thread; everything else on the audio thread; nothing allocates.
class BalanceProcessor final : public IEffectProcessor
{
public:
    // The slot's Pan and Gain, per voice.
    class Parameters
    {
    public:
        static const juce::String Name;
        static const juce::String Pan;
        static const juce::String Gain;

        Parameters (int slot, ParameterDirector& director);

        void setProcessors (std::span<BalanceProcessor> processors) noexcept { view = processors; }
        void calculateValues (const VectorSpaceProcessors& spaces) noexcept;

    private:
        DspParameter pan;
        DspParameter gain;
        std::span<BalanceProcessor> view;

        JUCE_DECLARE_NON_COPYABLE (Parameters)
    };

    // The normalised gain that leaves the level unchanged (the default); 1.0 is a boost of 1.25.
    static constexpr float unityGain = 0.8f;

    void setChannel (int newChannel) noexcept { channel = newChannel; }
    [[nodiscard]] int getChannel() const noexcept { return channel; }

    void setSampleRate (double) override {}
    void process (VoiceBuffers& voices) noexcept override;

    // Normalised values in 0 ... 1: pan 0 is hard left, 0.5 the centre, 1 hard right.
    void setVoice (std::size_t voice, float panValue, float gainValue) noexcept;

private:
    [[nodiscard]] float balanceFactor (float balance) const noexcept;

    std::array<float, maxVoices> pans{};  // -1 (left) ... +1 (right)
    std::array<float, maxVoices> gains{}; // normalised 0 ... 1
    int channel = 0;
};
} // namespace cvl
