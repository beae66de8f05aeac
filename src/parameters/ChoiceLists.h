#pragma once

#include <juce_core/juce_core.h>

namespace cvl::ChoiceLists
{
// Fixed choice texts, without the leading space of the enumeration-built lists.
inline juce::StringArray allpassOrders() { return { "1 Stage", "2 Stage", "3 Stage", "4 Stage" }; }
inline juce::StringArray filterOrders() { return { "12 dB/octave", "24 dB/octave" }; }
} // namespace cvl::ChoiceLists
