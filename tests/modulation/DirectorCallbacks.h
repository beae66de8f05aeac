#pragma once

#include "parameters/ParameterDirector.h"

#include <stdexcept>

namespace cvl::test
{
// Calls the change callback a declared parameter registered, with a value in its own range, the way
// the dispatch does; throws for an identifier that was not declared.
inline void callChange (const ParameterDirector& director, const juce::String& identifier, float value)
{
    const auto call = [&] (const auto& options) -> bool
    {
        for (const auto& o : options)
            if (o.identifier.toString() == identifier)
            {
                o.changeCallback (value);
                return true;
            }
        return false;
    };
    for (const auto* d : { &director.external, &director.internal })
        if (call (d->getFloatOptions()) || call (d->getIntOptions()) || call (d->getBoolOptions()) ||
            call (d->getChoiceOptions()))
            return;
    throw std::invalid_argument (identifier.toStdString());
}
} // namespace cvl::test
