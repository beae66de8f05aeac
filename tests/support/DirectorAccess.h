#pragma once

#include "parameters/ParameterDirector.h"

#include <stdexcept>

namespace cvl::test
{
// Finds a declared record by identifier; throws when there is none.
template <typename Options>
const Options& findOptions (const std::deque<Options>& list, const juce::String& identifier)
{
    for (const auto& options : list)
        if (options.identifier.toString() == identifier)
            return options;
    throw std::out_of_range (identifier.toStdString());
}

// Runs a parameter's change callback with a value in its own range, as the processor's dispatch does.
inline void change (const ParameterDirector& director, const juce::String& identifier, float value)
{
    for (const auto* list : { &director.external, &director.internal })
    {
        for (const auto& options : list->getFloatOptions())
            if (options.identifier.toString() == identifier)
                return options.changeCallback (value);
        for (const auto& options : list->getChoiceOptions())
            if (options.identifier.toString() == identifier)
                return options.changeCallback (value);
    }
    throw std::out_of_range (identifier.toStdString());
}
} // namespace cvl::test
