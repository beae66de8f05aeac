namespace exl
{
FloatParameterOptions& ParameterDirector::addFloat (const juce::Identifier& identifier,
                                                    const juce::NormalisableRange<float>& range,
                                                    float defaultValue)
{
    auto& options = floatOptions.emplace_back();
    options.identifier = identifier;
    options.range = range;
    options.defaultValue = defaultValue;
    return options;
}

BoolParameterOptions& ParameterDirector::addBool (const juce::Identifier& identifier, bool defaultValue)
{
    auto& options = boolOptions.emplace_back();
    options.identifier = identifier;
    options.defaultValue = defaultValue;
    return options;
}

ChoiceParameterOptions& ParameterDirector::addChoice (const juce::Identifier& identifier,
                                                      const juce::StringArray& choices, int defaultIndex)
{
    auto& options = choiceOptions.emplace_back();
    options.identifier = identifier;
    options.choices = choices;
    options.defaultIndex = defaultIndex;
    return options;
}

void ParameterDirector::createParameters (IParameterCreationHandler& handler) const
{
    for (const auto& options : floatOptions)
        handler.createParameter (options);
    for (const auto& options : intOptions)
        handler.createParameter (options);
    for (const auto& options : boolOptions)
        handler.createParameter (options);
    for (const auto& options : choiceOptions)
        handler.createParameter (options);
}
} // namespace exl

#include "BoolParameter.h"
#include "ChoiceParameter.h"
#include "ParameterCreationHandler.h"

namespace exl
{
std::unique_ptr<Parameter> ParameterFactory::create (const FloatParameterOptions& o)
{
    return std::make_unique<Parameter> (o.identifier, o.name, o.caption, o.label, o.range, o.defaultValue,
                                        o.textFunction, o.parseFunction, o.changeCallback, o.versionHint);
}

std::unique_ptr<Parameter> ParameterFactory::create (const IntParameterOptions& o)
{
    // Whole numbers are continuous parameters; their text functions show whole values.
    const juce::NormalisableRange<float> range (static_cast<float> (o.minimum),
                                                static_cast<float> (o.maximum), 0.0f, 1.0f);
    return std::make_unique<Parameter> (o.identifier, o.name, o.caption, o.label, range,
                                        static_cast<float> (o.defaultValue), o.textFunction, o.parseFunction,
                                        o.changeCallback, o.versionHint);
}

std::unique_ptr<Parameter> ParameterFactory::create (const BoolParameterOptions& o)
{
    return std::make_unique<BoolParameter> (o);
}

std::unique_ptr<Parameter> ParameterFactory::create (const ChoiceParameterOptions& o)
{
    return std::make_unique<ChoiceParameter> (o.identifier, o.name, o.caption, o.label, o.choices,
                                              o.defaultIndex, o.changeCallback, o.versionHint);
}
} // namespace exl
