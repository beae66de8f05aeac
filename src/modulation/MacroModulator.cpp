#include "MacroModulator.h"

#include "parameters/ParameterTextFunctions.h"

namespace cvl
{
juce::Identifier MacroModulator::CreateId (int index)
{
    return juce::Identifier ("Macro_" + juce::String (index));
}

MacroModulator::MacroModulator (ParameterDirector& director, int index)
{
    auto& options = director.external.addFloat (CreateId (index), { -1.0f, 1.0f }, 0.0f);
    options.name = "Macro " + juce::String (index);
    options.caption = "M" + juce::String (index);
    options.changeCallback = [this] (float newValue) { value = newValue; };
    options.textFunction = ParameterTextFunctions::Percent;
}
} // namespace cvl
