#pragma once

#include "effects/EffectParameterId.h"
#include "parameters/DspParameter.h"
#include "parameters/ParameterTextFunctions.h"

#include <span>

namespace cvl
{
// The per-voice time, feedback and mix of one slot, shared by the line-based effects (the delay
// and the diffuser): each sub-block the values go to every processor of the slot's view.
// Change callbacks and calculateValues run on the audio thread.
template <typename Processor>
class TimeFeedbackMixParameters
{
public:
    static constexpr float defaultValue = 0.5f;

    TimeFeedbackMixParameters (int slot, ParameterDirector& director, const juce::String& effectName,
                               const juce::String& timeName, const juce::String& feedbackName,
                               const juce::String& mixName)
        : time (director, makeEffectParameterId (effectName, timeName, slot), defaultValue,
                ParameterTextFunctions::Percent),
          feedback (director, makeEffectParameterId (effectName, feedbackName, slot), defaultValue,
                    ParameterTextFunctions::Percent),
          mix (director, makeEffectParameterId (effectName, mixName, slot), defaultValue,
               ParameterTextFunctions::Percent)
    {
    }

    // The processors of this slot that receive the values: one per channel being processed.
    void setProcessors (std::span<Processor> processors) noexcept { view = processors; }

    void calculateValues (const VectorSpaceProcessors& spaces) noexcept
    {
        time.calculateValues (spaces);
        feedback.calculateValues (spaces);
        mix.calculateValues (spaces);
        const auto voices = activeVoiceCount (spaces);
        for (auto& processor : view)
            for (std::size_t v = 0; v < voices; ++v)
                processor.setVoice (v, time.getValues()[v], feedback.getValues()[v], mix.getValues()[v]);
    }

private:
    DspParameter time;
    DspParameter feedback;
    DspParameter mix;
    std::span<Processor> view;

    JUCE_DECLARE_NON_COPYABLE (TimeFeedbackMixParameters)
};
} // namespace cvl
