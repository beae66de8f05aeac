#pragma once

#include "ParameterRegistry.h"

namespace exl
{
// The persistent state: one "param" element per registered parameter under a "state" root, each
// carrying the identifier and the normalised value.
class StateDocument
{
public:
    static const juce::Identifier RootTag;
    static const juce::Identifier ParamTag;
    static const juce::Identifier IdAttribute;
    static const juce::Identifier UidAttribute;
    static const juce::Identifier ValueAttribute;

    // The document text for every parameter of the registry, in registry order, CR LF line ends.
    [[nodiscard]] static juce::String write (const ParameterRegistry& registry);

    // Applies every "param" element that names a registered parameter and carries a finite value;
    // anything else is skipped. Nothing happens for text that is not XML.
    static void read (const juce::String& text, const ParameterRegistry& registry);

    // Bytes as hosts pass them: a negative size runs to the first zero byte.
    [[nodiscard]] static juce::String textFromBytes (const void* data, int sizeInBytes);

    // Six significant digits, as a standard stream writes a double.
    [[nodiscard]] static juce::String formatValue (float value);
};
} // namespace exl
