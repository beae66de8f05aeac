#pragma once

#include <juce_core/juce_core.h>

namespace cvl
{
// A parameter identifier taken apart: its own name, the class of its owner and, for a modulation
// amount, the modulator. The text form joins the non-empty fields with "_"; it is a stored format.
struct ParameterId
{
    juce::String name;
    juce::String modClass;
    juce::String modulator;

    // Tokens after the third are dropped; missing ones give empty fields.
    [[nodiscard]] static ParameterId fromString (const juce::String& text);
    [[nodiscard]] juce::Identifier toIdentifier() const;
    [[nodiscard]] juce::String toString() const;

    // "VectorSpace1Transform2" gives "Vector Space 1 Transform 2"; "_" becomes a space.
    [[nodiscard]] static juce::String toDisplayString (const juce::String& text);

    bool operator== (const ParameterId&) const = default;
};

// The part of an identifier before its first digit; empty when there is none or it comes first.
[[nodiscard]] juce::String getParamName (const juce::String& text);
} // namespace cvl
