#include "ParameterTextFunctions.h"

#include "modulation/Frequency.h"

namespace cvl
{
namespace
{
    constexpr int percentDigits = 3;
    constexpr int signedPercentWidth = 5;
    constexpr int frequencyDigits = 5;
    constexpr float kilo = 1000.0f;
    constexpr float percent = 100.0f;

    juce::String percentText (float hundredths)
    {
        return ParameterTextFunctions::padLeft (ParameterTextFunctions::roundedNumber (std::abs (hundredths)),
                                                percentDigits, '0') +
               "%";
    }

    juce::String signedPercentText (float hundredths)
    {
        return ParameterTextFunctions::padLeft (percentText (hundredths), signedPercentWidth,
                                                hundredths < 0.0f ? '-' : ' ');
    }
} // namespace

juce::String ParameterTextFunctions::padLeft (const juce::String& text, int length,
                                              juce::juce_wchar character)
{
    const auto missing = length - text.length();
    return missing > 0 ? juce::String::repeatedString (juce::String::charToString (character), missing) + text
                       : text;
}

juce::String ParameterTextFunctions::roundedNumber (float value)
{
    return juce::String (static_cast<long long> (std::round (value)));
}

const exl::TextFunction ParameterTextFunctions::Discrete = [] (const exl::Parameter& parameter, float value)
{ return roundedNumber (parameter.getNormalisableRange().convertFrom0to1 (value)); };

const exl::TextFunction ParameterTextFunctions::Percent = [] (const exl::Parameter&, float value)
{ return padLeft (roundedNumber (percent * value), percentDigits, '0') + "%"; };

const exl::TextFunction ParameterTextFunctions::BigPercent = [] (const exl::Parameter& parameter, float value)
{
    const auto& range = parameter.getNormalisableRange();
    const auto hundredths = percent * range.convertFrom0to1 (value);
    return range.start < 0.0f ? signedPercentText (hundredths) : percentText (hundredths);
};

const exl::TextFunction ParameterTextFunctions::Frequency = [] (const exl::Parameter&, float value)
{
    const auto hz = cvl::Frequency::toHz (value);
    const auto number = hz < kilo ? roundedNumber (hz) : juce::String (hz / kilo, 1) + "k";
    return padLeft (number, frequencyDigits, '0') + "hz";
};

exl::TextFunction ParameterTextFunctions::percentWithRange (float minimum, float maximum)
{
    return [minimum, maximum] (const exl::Parameter&, float value)
    {
        const juce::NormalisableRange<float> range (minimum, maximum, 0.0f, 1.0f);
        return signedPercentText (range.convertFrom0to1 (juce::jlimit (0.0f, 1.0f, value)));
    };
}
} // namespace cvl
