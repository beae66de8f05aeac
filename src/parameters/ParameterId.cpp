#include "ParameterId.h"

namespace cvl
{
namespace
{
    constexpr juce::juce_wchar separator = '_';
}

ParameterId ParameterId::fromString (const juce::String& text)
{
    ParameterId id;
    juce::String* fields[] = { &id.name, &id.modClass, &id.modulator };
    int field = 0;
    int tokenStart = 0;
    for (int i = 0; i <= text.length() && field < 3; ++i)
    {
        if (i == text.length() || text[i] == separator)
        {
            *fields[field++] = text.substring (tokenStart, i);
            tokenStart = i + 1;
        }
    }
    return id;
}

juce::String ParameterId::toString() const
{
    auto text = name;
    if (modClass.isNotEmpty())
        text << juce::String::charToString (separator) << modClass;
    if (modulator.isNotEmpty())
        text << juce::String::charToString (separator) << modulator;
    return text;
}

juce::Identifier ParameterId::toIdentifier() const { return juce::Identifier (toString()); }

juce::String ParameterId::toDisplayString (const juce::String& text)
{
    juce::String words;
    for (auto character : text)
    {
        if (character == separator)
        {
            words << ' ';
            continue;
        }
        if (juce::CharacterFunctions::isUpperCase (character) ||
            juce::CharacterFunctions::isDigit (character))
            words << ' ';
        words << juce::String::charToString (character);
    }
    return words.trimCharactersAtStart (" ").trimCharactersAtEnd (" ");
}

juce::String getParamName (const juce::String& text)
{
    const auto firstDigit = text.indexOfAnyOf ("0123456789");
    return firstDigit <= 0 ? juce::String() : text.substring (0, firstDigit);
}
} // namespace cvl
