#include "FilterProcessor.h"

#include "effects/EffectParameterId.h"
#include "modulation/Frequency.h"
#include "parameters/ChoiceLists.h"
#include "parameters/ParameterTextFunctions.h"

namespace cvl
{
namespace
{
    constexpr float defaultCutoff = 1.0f;
    constexpr std::size_t maximumStages = 2;
} // namespace

const juce::String FilterProcessor::Parameters::Name{ "Filter" };
const juce::String FilterProcessor::Parameters::Type{ "Type" };
const juce::String FilterProcessor::Parameters::Cutoff{ "Cutoff" };
const juce::String FilterProcessor::Parameters::Order{ "Order" };

FilterProcessor::Parameters::Parameters (int slot, ParameterDirector& director)
    : cutoff (director, makeEffectParameterId (Name, Cutoff, slot), defaultCutoff,
              ParameterTextFunctions::Frequency)
{
    using FilterType = exl::dsp::CascadedIIRFilter::Type;
    auto& typeOptions =
        addEffectChoice (director, Name, Type, slot, ParameterHelpers::enumToStringArray<FilterType>());
    typeOptions.changeCallback = [this] (float value)
    {
        type = ParameterHelpers::enumFromIndex<FilterType> (static_cast<int> (std::lround (value)));
        designCache.invalidate();
    };

    auto& orderOptions = addEffectChoice (director, Name, Order, slot, ChoiceLists::filterOrders());
    orderOptions.changeCallback = [this] (float value)
    {
        stages = stageCountFromChoice (value, maximumStages);
        applyOrder();
    };
}

void FilterProcessor::Parameters::setProcessors (std::span<FilterProcessor> processors) noexcept
{
    view = processors;
    applyOrder();
}

void FilterProcessor::Parameters::applyOrder() noexcept
{
    for (auto& processor : view)
        processor.bank.setNumStages (stages);
    designCache.invalidate();
}

void FilterProcessor::Parameters::designVoice (std::size_t voice, double sampleRate) noexcept
{
    auto& design = designs[voice];
    if (design.getSampleRate() != sampleRate)
        design.setSampleRate (sampleRate);
    design.setFilterType (type);
    design.setNumStages (stages);
    design.calculateCoefficients (static_cast<double> (Frequency::toHz (cutoff.getValues()[voice])), designQ);
    designCache.designed (voice, cutoff.getValues()[voice], sampleRate);

    for (std::size_t s = 0; s < stages; ++s)
    {
        const auto& stage = design.getStage (s);
        const auto targets = exl::dsp::StateVariableCoefficients::fromDirectForm (stage.b, stage.a);
        for (auto& processor : view)
            processor.bank.setTargets (voice, s, targets);
    }
}

// An unchanged cutoff would give the same design, whose targets the bank would ignore; so only changed
// voices are designed, once for every channel.
void FilterProcessor::Parameters::calculateValues (const VectorSpaceProcessors& spaces) noexcept
{
    cutoff.calculateValues (spaces);
    if (view.empty() || view.front().getSampleRate() <= 0.0)
        return;
    const auto sampleRate = view.front().getSampleRate();
    const auto voices = activeVoiceCount (spaces);
    for (std::size_t v = 0; v < voices; ++v)
        if (designCache.needsDesign (v, cutoff.getValues()[v], sampleRate))
            designVoice (v, sampleRate);
}

FilterProcessor::FilterProcessor() noexcept { bank.setGlideSteps (initialGlideSteps); }

void FilterProcessor::setSampleRate (double newSampleRate)
{
    sampleRate = newSampleRate;
    bank.setGlideSteps (exl::dsp::CascadedIIRFilter::glideStepsAt (newSampleRate));
}

void FilterProcessor::process (VoiceBuffers& voices) noexcept
{
    bank.process ({ voices.voices.data(), std::min (voices.numVoices, maxVoices) }, voices.numSamples);
}
} // namespace cvl
