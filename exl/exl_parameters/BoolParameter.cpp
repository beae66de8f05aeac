namespace exl
{
namespace
{
    TextFunction boolTextOr (const TextFunction& given)
    {
        if (given)
            return given;
        return [] (const Parameter&, float value) { return juce::String (value > 0.5f ? "true" : "false"); };
    }

    ParseFunction boolParseOr (const ParseFunction& given)
    {
        if (given)
            return given;
        return [] (const Parameter&, const juce::String& text) { return text == "true" ? 1.0f : 0.0f; };
    }
} // namespace

BoolParameter::BoolParameter (const BoolParameterOptions& options)
    : Parameter (options.identifier, options.name, options.caption, options.label,
                 juce::NormalisableRange<float> (0.0f, 1.0f, 0.0f, 1.0f), options.defaultValue ? 1.0f : 0.0f,
                 boolTextOr (options.textFunction), boolParseOr (options.parseFunction),
                 options.changeCallback, options.versionHint)
{
}
} // namespace exl
