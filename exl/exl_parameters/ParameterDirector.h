#pragma once

#include "ParameterOptions.h"

#include <deque>

namespace exl
{
class IParameterCreationHandler;

// Collects parameter declarations, one list per kind, in declaration order.
class ParameterDirector
{
public:
    // Each add returns the new record so that the caller can fill in names, texts and callbacks.
    FloatParameterOptions& addFloat (const juce::Identifier& identifier,
                                     const juce::NormalisableRange<float>& range, float defaultValue);
    BoolParameterOptions& addBool (const juce::Identifier& identifier, bool defaultValue);
    ChoiceParameterOptions& addChoice (const juce::Identifier& identifier, const juce::StringArray& choices,
                                       int defaultIndex);

    // Whole-number records are appended directly by their owner.
    std::deque<IntParameterOptions>& getIntOptions() noexcept { return intOptions; }

    const std::deque<FloatParameterOptions>& getFloatOptions() const noexcept { return floatOptions; }
    const std::deque<IntParameterOptions>& getIntOptions() const noexcept { return intOptions; }
    const std::deque<BoolParameterOptions>& getBoolOptions() const noexcept { return boolOptions; }
    const std::deque<ChoiceParameterOptions>& getChoiceOptions() const noexcept { return choiceOptions; }

    // Floats first, then whole numbers, switches and choices, each kind in declaration order;
    // this fixes the host's parameter indices.
    void createParameters (IParameterCreationHandler& handler) const;

private:
    std::deque<FloatParameterOptions> floatOptions;
    std::deque<IntParameterOptions> intOptions;
    std::deque<BoolParameterOptions> boolOptions;
    std::deque<ChoiceParameterOptions> choiceOptions;
};

class IParameterCreationHandler
{
public:
    virtual ~IParameterCreationHandler() = default;
    virtual void createParameter (const FloatParameterOptions& options) = 0;
    virtual void createParameter (const IntParameterOptions& options) = 0;
    virtual void createParameter (const BoolParameterOptions& options) = 0;
    virtual void createParameter (const ChoiceParameterOptions& options) = 0;
};
} // namespace exl
