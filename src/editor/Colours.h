#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace cvl
{
// The editor's few colours, all derived from one theme colour and kept in look-and-feel colour tables.
// Controls ask for them at paint time, so a theme change only needs a repaint. Message thread.
class Colours
{
public:
    static constexpr juce::uint32 DefaultFrontPlate = 0xff642b36;
    static constexpr juce::uint32 TerminalBackground = 0xff222222;
    static constexpr juce::uint32 PopupBackground = 0xbf000000;

    enum Id
    {
        Text = 0,
        TextDisabled = 1,
        TextHighlighted = 2,
        Background = 3
    };

    enum class Type
    {
        Terminal = 0,  // dark, the main editor
        FrontPlate = 1 // the theme colour itself, the effect section
    };

    // The component's own colour, else its look-and-feel's (own, nearest parent's or the default), else
    // black.
    [[nodiscard]] static juce::Colour get (const juce::Component* component, Id id);
    // TextDisabled when disabled (itself or a parent), TextHighlighted under the pointer (a touch only
    // while pressed), otherwise Text.
    [[nodiscard]] static juce::Colour getTextColour (const juce::Component* component);
    static void set (juce::LookAndFeel& lookAndFeel, Type type, const juce::Colour& theme);

    // Theme colours travel as lower-case hexadecimal ARGB text without leading zeros ("ff642b36").
    [[nodiscard]] static juce::String toThemeText (juce::Colour colour);
    // Accumulates hexadecimal digits of either case and skips everything else; no digits give 0.
    [[nodiscard]] static juce::Colour fromThemeText (const juce::String& text);
};
} // namespace cvl
