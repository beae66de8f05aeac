namespace exl
{
namespace
{
    constexpr int fullChoiceTextLength = 1000;
}

ChoiceParameter::ChoiceParameter (const juce::Identifier& identifierToUse, const juce::String& nameToUse,
                                  const juce::String& captionToUse, const juce::String& labelToUse,
                                  const juce::StringArray& choicesToUse, int defaultIndex,
                                  ChangeCallback callback, int versionHint)
    : Parameter (
          identifierToUse, nameToUse, captionToUse, labelToUse,
          juce::NormalisableRange<float> (0.0f, static_cast<float> (choicesToUse.size() - 1), 1.0f, 1.0f),
          static_cast<float> (defaultIndex), {}, {}, std::move (callback), versionHint),
      choices (choicesToUse)
{
    setTextFunction ([] (const Parameter& parameter, float normalised)
                     { return parameter.getText (normalised, fullChoiceTextLength); });
}

juce::String ChoiceParameter::getText (float normalisedValue, int maximumStringLength) const
{
    if (maximumStringLength <= 1)
        return {};
    const auto index =
        static_cast<int> (std::lround (getNormalisableRange().convertFrom0to1 (normalisedValue)));
    const auto text = juce::isPositiveAndBelow (index, choices.size()) ? choices[index] : juce::String();
    return text.substring (0, maximumStringLength - 1);
}

float ChoiceParameter::getValueForText (const juce::String& text) const
{
    const auto index = choices.indexOf (text, false);
    return juce::jlimit (0.0f, 1.0f, getNormalisableRange().convertTo0to1 (static_cast<float> (index)));
}
} // namespace exl
