#include "Colours.h"

namespace cvl
{
namespace
{
    // The theme colour shows through a mostly white tint.
    constexpr float themeShareOfTint = 0.2f;
    constexpr float terminalText = 0.7142857f;
    constexpr float terminalTextDisabled = 0.5555556f;
    constexpr float frontPlateText = 0.9090909f;
    constexpr float frontPlateTextDisabled = 0.8333333f;

    juce::uint8 towardsTheme (juce::uint8 theme)
    {
        constexpr float white = 255.0f;
        return static_cast<juce::uint8> (
            juce::roundToInt (white + (static_cast<float> (theme) - white) * themeShareOfTint));
    }

    juce::Colour tintOf (juce::Colour theme)
    {
        return juce::Colour (towardsTheme (theme.getRed()), towardsTheme (theme.getGreen()),
                             towardsTheme (theme.getBlue()), towardsTheme (theme.getAlpha()));
    }

    // Each of red, green and blue multiplied and truncated; alpha kept.
    juce::Colour scaled (juce::Colour colour, float factor)
    {
        const auto channel = [factor] (juce::uint8 value)
        { return static_cast<juce::uint8> (static_cast<float> (value) * factor); };
        return juce::Colour (channel (colour.getRed()), channel (colour.getGreen()),
                             channel (colour.getBlue()), colour.getAlpha());
    }
} // namespace

juce::Colour Colours::get (const juce::Component* component, Id id)
{
    const auto colourId = static_cast<int> (id);
    if (component != nullptr && component->isColourSpecified (colourId))
        return component->findColour (colourId);
    auto& lookAndFeel =
        component != nullptr ? component->getLookAndFeel() : juce::LookAndFeel::getDefaultLookAndFeel();
    if (lookAndFeel.isColourSpecified (colourId))
        return lookAndFeel.findColour (colourId);
    return juce::Colours::black;
}

juce::Colour Colours::getTextColour (const juce::Component* component)
{
    if (component == nullptr)
        return get (component, Text);
    if (! component->isEnabled())
        return get (component, TextDisabled);
    // The framework counts a touch as over the component only while it is pressed.
    if (component->isMouseOver (true))
        return get (component, TextHighlighted);
    return get (component, Text);
}

void Colours::set (juce::LookAndFeel& lookAndFeel, Type type, const juce::Colour& theme)
{
    const auto tint = tintOf (theme);
    const auto terminal = type == Type::Terminal;
    const auto text = scaled (tint, terminal ? terminalText : frontPlateText);

    lookAndFeel.setColour (Text, text);
    lookAndFeel.setColour (TextDisabled,
                           scaled (tint, terminal ? terminalTextDisabled : frontPlateTextDisabled));
    lookAndFeel.setColour (TextHighlighted, tint);
    lookAndFeel.setColour (Background, terminal ? juce::Colour (TerminalBackground) : theme);
    lookAndFeel.setColour (juce::Label::textColourId, text);
}

juce::String Colours::toThemeText (juce::Colour colour)
{
    return juce::String::toHexString (static_cast<juce::int64> (colour.getARGB()));
}

juce::Colour Colours::fromThemeText (const juce::String& text)
{
    juce::uint32 argb = 0;
    for (const auto character : text)
    {
        const auto digit = juce::CharacterFunctions::getHexDigitValue (character);
        if (digit >= 0)
            argb = (argb << 4) | static_cast<juce::uint32> (digit);
    }
    return juce::Colour (argb);
}
} // namespace cvl
