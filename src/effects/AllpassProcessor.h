#pragma once

#include "effects/DesignCache.h"
#include "effects/IEffectProcessor.h"
#include "modulation/VectorSpaceProcessor.h"
#include "parameters/DspParameter.h"

#include <exl_dsp/exl_dsp.h>

#include <span>

namespace cvl
{
// The phase shifter of one slot and one channel: every voice passes through one to four identical
// second-order all-pass sections tuned to its own cutoff; summed, the voices' phase differences notch.
// The voices run side by side in one state-variable bank; the slot's parameter set designs each voice
// once per sub-block for all channels, and only when its cutoff, the order or the rate changed.
// Threads: construction on the message thread; the rest on the audio thread. Nothing allocates after
// construction.
class AllpassProcessor final : public IEffectProcessor
{
public:
    // The slot's Cutoff and Order.
    class Parameters
    {
    public:
        static const juce::String Name;
        static const juce::String Cutoff;
        static const juce::String Order;

        Parameters (int slot, ParameterDirector& director);

        // The processors of this slot that receive the values; they take the current order.
        void setProcessors (std::span<AllpassProcessor> processors) noexcept;
        void calculateValues (const VectorSpaceProcessors& spaces) noexcept;

    private:
        void applyOrder() noexcept;
        void designVoice (std::size_t voice, double sampleRate) noexcept;

        DspParameter cutoff;
        std::span<AllpassProcessor> view;
        std::size_t stages = 1;
        DesignCache designCache;

        JUCE_DECLARE_NON_COPYABLE (Parameters)
    };

    void setSampleRate (double sampleRate) override;
    // Until the order is set there are no sections, and every voice passes through.
    void process (VoiceBuffers& voices) noexcept override;

    [[nodiscard]] const exl::dsp::StateVariableBank& getBank() const noexcept { return bank; }
    [[nodiscard]] double getSampleRate() const noexcept { return sampleRate; }

private:
    exl::dsp::StateVariableBank bank{ 0 };
    double sampleRate = 0.0;
};
} // namespace cvl
