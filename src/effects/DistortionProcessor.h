#pragma once

#include "effects/DistortionType.h"
#include "effects/IDistortionType.h"
#include "effects/IEffectProcessor.h"
#include "modulation/VectorSpaceProcessor.h"
#include "parameters/DspParameter.h"

#include <memory>
#include <span>

namespace cvl
{
// The waveshaper of one slot and one channel: one algorithm, chosen by the slot's Type, for all
// voices, each voice with its own amount and mix. Every algorithm exists once per voice slot for the
// processor's whole life, so a type switch keeps each algorithm's state (the sample-and-hold phase).
// Threads: construction on the message thread; everything else on the audio thread; nothing allocates.
class DistortionProcessor final : public IEffectProcessor
{
public:
    static constexpr std::size_t numTypes = ParameterHelpers::enumCount<DistortionType>;
    using Instances = std::array<std::unique_ptr<IDistortionType>, maxVoices>;
    using InstanceMap = std::array<Instances, numTypes>;

    // The slot's Type choice and its per-voice Amount and Mix.
    class Parameters
    {
    public:
        static const juce::String Name;
        static const juce::String Type;
        static const juce::String Amount;
        static const juce::String Mix;

        Parameters (int slot, ParameterDirector& director);

        void setProcessors (std::span<DistortionProcessor> processors) noexcept { view = processors; }
        void calculateValues (const VectorSpaceProcessors& spaces) noexcept;

    private:
        DspParameter amount;
        DspParameter mix;
        std::span<DistortionProcessor> view;

        JUCE_DECLARE_NON_COPYABLE (Parameters)
    };

    // One instance of every algorithm for every voice slot, indexed by the type's value.
    [[nodiscard]] static InstanceMap CreateMap();

    DistortionProcessor();

    void setSampleRate (double) override {}
    void process (VoiceBuffers& voices) noexcept override;

    void setType (DistortionType type) noexcept;
    [[nodiscard]] DistortionType getType() const noexcept { return type; }
    // Normalised values in 0 ... 1, used as they are.
    void setVoice (std::size_t voice, float amount, float mix) noexcept;

private:
    InstanceMap instances;
    DistortionType type = DistortionType::Bitcrush;
    std::array<float, maxVoices> amounts{};
    std::array<float, maxVoices> mixes{};
};
} // namespace cvl
