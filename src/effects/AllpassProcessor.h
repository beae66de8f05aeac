#pragma once

#include "effects/IEffectProcessor.h"
#include "modulation/VectorSpaceProcessor.h"
#include "parameters/DspParameter.h"

#include <exl_dsp/exl_dsp.h>

#include <memory>
#include <span>

namespace cvl
{
// The phase shifter of one slot and one channel: every voice passes through one to four identical
// second-order all-pass sections tuned to its own cutoff; summed, the voices' phase differences notch.
// Threads: construction on the message thread; the rest on the audio thread. Nothing allocates after
// construction.
class AllpassProcessor final : public IEffectProcessor
{
public:
    using FilterArray = std::array<std::unique_ptr<exl::dsp::AllpassFilter>, maxVoices>;

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

        DspParameter cutoff;
        std::span<AllpassProcessor> view;
        std::size_t stages = 1;

        JUCE_DECLARE_NON_COPYABLE (Parameters)
    };

    AllpassProcessor();

    static FilterArray CreateFilterArray();

    void setSampleRate (double sampleRate) override;
    // A voice filter that has no sections yet passes its voice through.
    void process (VoiceBuffers& voices) noexcept override;

    [[nodiscard]] exl::dsp::AllpassFilter& getVoiceFilter (std::size_t voice) noexcept { return *filters[voice]; }

private:
    FilterArray filters;
};
} // namespace cvl
