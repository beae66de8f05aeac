#pragma once

#include "effects/IEffectProcessor.h"
#include "modulation/VectorSpaceProcessor.h"
#include "parameters/DspParameter.h"

#include <exl_dsp/exl_dsp.h>

#include <memory>
#include <span>

namespace cvl
{
// The filter of one slot and one channel: every voice has its own Butterworth low-, high-, band-pass
// or band-stop filter whose cutoff follows the voice's modulated value, gliding over 5 ms.
// Threads: construction on the message thread; the rest on the audio thread. Nothing allocates after
// construction.
class FilterProcessor final : public IEffectProcessor
{
public:
    using VoiceFilter = exl::dsp::StateVariableFilterProcessor<exl::dsp::ButterFilter>;
    using FilterArray = std::array<std::unique_ptr<VoiceFilter>, maxVoices>;

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
        void applyType() noexcept;
        void applyOrder() noexcept;

        DspParameter cutoff;
        std::span<FilterProcessor> view;
        exl::dsp::CascadedIIRFilter::Type type = exl::dsp::CascadedIIRFilter::Type::LowPass;
        std::size_t stages = 1;

        JUCE_DECLARE_NON_COPYABLE (Parameters)
    };

    // 1/sqrt(2) in single precision: the Q every cutoff design is made with.
    static constexpr double designQ = static_cast<double> (0.70710677f);
    static constexpr int initialGlideSteps = 240;

    FilterProcessor();

    // 16 voice filters at 48 kHz, low-pass, one stage.
    static FilterArray CreateFilterArray();

    void setSampleRate (double sampleRate) override;
    void process (VoiceBuffers& voices) noexcept override;

    [[nodiscard]] exl::dsp::ButterFilter& getVoiceFilter (std::size_t voice) noexcept { return filters[voice]->getFilter(); }

private:
    FilterArray filters;
};
} // namespace cvl
