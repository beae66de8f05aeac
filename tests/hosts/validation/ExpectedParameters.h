#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace cvl::validation
{
// One host-visible parameter as a host must see it: its stored identifier and the name it shows.
struct ExpectedParameter
{
    juce::String identifier;
    juce::String name;
};

// The 139 host-visible parameters in host order (floats, the voice count, switches, choices), built
// from the identifier rules rather than read from the plug-in, so that a reordering or a renamed
// identifier (which would break saved projects and automation) shows up here.
[[nodiscard]] const std::vector<ExpectedParameter>& expectedHostParameters();
} // namespace cvl::validation
