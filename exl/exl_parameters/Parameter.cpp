namespace exl
{
Parameter::Parameter (const juce::Identifier& identifierToUse, const juce::String& nameToUse,
                      const juce::String& captionToUse, const juce::String& labelToUse,
                      const juce::NormalisableRange<float>& rangeToUse, float defaultInRangeUnits,
                      TextFunction textFunctionToUse, ParseFunction parseFunctionToUse,
                      ChangeCallback changeCallbackToUse, int versionHint)
    : juce::RangedAudioParameter (juce::ParameterID{ identifierToUse.toString(), versionHint }, nameToUse,
                                  juce::AudioProcessorParameterWithIDAttributes().withLabel (labelToUse)),
      identifier (identifierToUse), caption (captionToUse), range (rangeToUse),
      defaultValue (juce::jlimit (0.0f, 1.0f, rangeToUse.convertTo0to1 (defaultInRangeUnits))),
      value (defaultValue), textFunction (std::move (textFunctionToUse)),
      parseFunction (std::move (parseFunctionToUse)), changeCallback (std::move (changeCallbackToUse))
{
}

float Parameter::getValue() const { return value.load (std::memory_order_relaxed); }

void Parameter::setValue (float newValue) { value.store (newValue, std::memory_order_relaxed); }

float Parameter::getDefaultValue() const { return defaultValue; }

juce::String Parameter::getText (float normalisedValue, int) const
{
    if (textFunction)
        return textFunction (*this, normalisedValue);
    return juce::String (normalisedValue, 1);
}

float Parameter::getValueForText (const juce::String& text) const
{
    if (parseFunction)
        return parseFunction (*this, text);
    return text.getFloatValue();
}

const juce::NormalisableRange<float>& Parameter::getNormalisableRange() const { return range; }

void Parameter::dispatchChange() noexcept
{
    const auto current = getValue();
    // A host may write anything; a value that is not a number never reaches the audio objects.
    if (current == lastDispatchedValue || ! std::isfinite (current))
        return;
    lastDispatchedValue = current;
    if (changeCallback)
        changeCallback (range.convertFrom0to1 (juce::jlimit (0.0f, 1.0f, current)));
}
} // namespace exl
