#pragma once

#include <juce_core/juce_core.h>

// The product version, read from the embedded version text. Any thread.
namespace CorvaneVersion
{
// The version text without any white space ("1.0.0").
[[nodiscard]] juce::String GetBuildNumberString();
// What the about popup shows; the same as the build number.
[[nodiscard]] juce::String GetBuildVersionString();
} // namespace CorvaneVersion
