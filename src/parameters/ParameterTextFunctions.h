#pragma once

#include <exl_parameters/exl_parameters.h>

namespace cvl
{
// Value texts of fixed width for the product's parameters. Each receives the normalised value.
struct ParameterTextFunctions
{
    // The value in range units, rounded: "8".
    static const exl::TextFunction Discrete;
    // 100 x the normalised value, whatever the range: "050%".
    static const exl::TextFunction Percent;
    // 100 x the value in range units, signed to five characters on a range below 0: "-100%", " 050%".
    static const exl::TextFunction BigPercent;
    // The cutoff in Hz: "00161hz", "01.1khz", "20.0khz".
    static const exl::TextFunction Frequency;
    // The value mapped onto minimum to maximum, signed to five characters: "-050%".
    static exl::TextFunction percentWithRange (float minimum, float maximum);

    // Puts copies of the character in front of a shorter text until it has the given length.
    static juce::String padLeft (const juce::String& text, int length, juce::juce_wchar character);
    // Whole numbers, halves away from zero.
    static juce::String roundedNumber (float value);
};
} // namespace cvl
