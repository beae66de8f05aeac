#pragma once

#include "effects/DesignCache.h"
#include "effects/IEffectProcessor.h"
#include "modulation/VectorSpaceProcessor.h"
#include "parameters/DspParameter.h"

#include <exl_dsp/exl_dsp.h>

#include <span>

namespace cvl
{
// The filter of one slot and one channel: every voice has its own Butterworth low-, high-, band-pass
// or band-stop filter whose cutoff follows the voice's modulated value, gliding over 5 ms. The voices
// run side by side in one state-variable bank; the slot's parameter set designs each voice once per
// sub-block for all channels, and only when its cutoff, the type, the order or the rate changed.
// Threads: construction on the message thread; the rest on the audio thread. Nothing allocates after
// construction.
class FilterProcessor final : public IEffectProcessor
{
public:
    // The slot's Type, Cutoff and Order.
    class Parameters
    {
    public:
        static const juce::String Name;
        static const juce::String Type;
        static const juce::String Cutoff;
        static const juce::String Order;

        Parameters (int slot, ParameterDirector& director);

        // The processors of this slot that receive the values; they take the current type and order.
        void setProcessors (std::span<FilterProcessor> processors) noexcept;
        void calculateValues (const VectorSpaceProcessors& spaces) noexcept;

    private:
        void applyOrder() noexcept;
        void designVoice (std::size_t voice, double sampleRate) noexcept;

        DspParameter cutoff;
        std::span<FilterProcessor> view;
        exl::dsp::CascadedIIRFilter::Type type = exl::dsp::CascadedIIRFilter::Type::LowPass;
        std::size_t stages = 1;
        std::array<exl::dsp::ButterFilter, maxVoices> designs{};
        DesignCache designCache;

        JUCE_DECLARE_NON_COPYABLE (Parameters)
    };

    // 1/sqrt(2) in single precision: the Q every cutoff design is made with.
    static constexpr double designQ = static_cast<double> (0.70710677f);
    static constexpr int initialGlideSteps = 240;

    // At 48 kHz, low-pass, one stage, gliding over 240 samples.
    FilterProcessor() noexcept;

    void setSampleRate (double sampleRate) override;
    void process (VoiceBuffers& voices) noexcept override;

    [[nodiscard]] exl::dsp::StateVariableBank& getBank() noexcept { return bank; }
    [[nodiscard]] const exl::dsp::StateVariableBank& getBank() const noexcept { return bank; }
    [[nodiscard]] double getSampleRate() const noexcept { return sampleRate; }

private:
    exl::dsp::StateVariableBank bank{ 1 };
    double sampleRate = exl::dsp::CascadedIIRFilter::defaultSampleRate;
};
} // namespace cvl
