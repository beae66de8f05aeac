#include "editor/Colours.h"
#include "editor/Icon.h"

#include <gtest/gtest.h>

namespace
{
// Plain statement of the colour scheme: an 80 % white tint of the theme, scaled per scheme.
juce::uint32 referenceTint (juce::uint32 theme)
{
    juce::uint32 result = 0;
    for (int shift = 0; shift < 32; shift += 8)
    {
        const auto c = static_cast<double> ((theme >> shift) & 0xffu);
        const auto v = static_cast<juce::uint32> (std::lround (255.0 + (c - 255.0) * 0.2));
        result |= v << shift;
    }
    return result;
}

juce::uint32 referenceScaled (juce::uint32 colour, float factor)
{
    juce::uint32 result = colour & 0xff000000u;
    for (int shift = 0; shift < 24; shift += 8)
    {
        const auto c = static_cast<float> ((colour >> shift) & 0xffu);
        result |= static_cast<juce::uint32> (c * factor) << shift;
    }
    return result;
}

TEST (Colours, SchemesFollowTheThemeColour)
{
    struct Case
    {
        const char* theme;
        cvl::Colours::Type type;
        juce::uint32 text;
        juce::uint32 disabled;
        juce::uint32 background;
    };
    const auto crimson = referenceTint (0xff642b36);
    const auto blue = referenceTint (0xff425c7f);
    const Case cases[] = {
        { "Crimson", cvl::Colours::Type::Terminal, referenceScaled (crimson, 0.7142857f),
          referenceScaled (crimson, 0.5555556f), 0xff222222 },
        { "Crimson", cvl::Colours::Type::FrontPlate, referenceScaled (crimson, 0.9090909f),
          referenceScaled (crimson, 0.8333333f), 0xff642b36 },
        { "Blue", cvl::Colours::Type::Terminal, referenceScaled (blue, 0.7142857f),
          referenceScaled (blue, 0.5555556f), 0xff222222 },
        { "Blue", cvl::Colours::Type::FrontPlate, referenceScaled (blue, 0.9090909f),
          referenceScaled (blue, 0.8333333f), 0xff425c7f },
    };
    for (const auto& c : cases)
    {
        const auto theme = juce::String (c.theme) == "Blue" ? 0xff425c7fu : 0xff642b36u;
        juce::LookAndFeel_V4 lookAndFeel;
        cvl::Colours::set (lookAndFeel, c.type, juce::Colour (theme));
        juce::Component component;
        component.setLookAndFeel (&lookAndFeel);
        EXPECT_EQ (cvl::Colours::get (&component, cvl::Colours::Text).getARGB(), c.text) << c.theme;
        EXPECT_EQ (cvl::Colours::get (&component, cvl::Colours::TextDisabled).getARGB(), c.disabled)
            << c.theme;
        EXPECT_EQ (cvl::Colours::get (&component, cvl::Colours::TextHighlighted).getARGB(),
                   referenceTint (theme));
        EXPECT_EQ (cvl::Colours::get (&component, cvl::Colours::Background).getARGB(), c.background)
            << c.theme;
        EXPECT_EQ (lookAndFeel.findColour (juce::Label::textColourId).getARGB(), c.text);
        component.setLookAndFeel (nullptr);
    }
}

TEST (Colours, OwnColoursWinAndDisabledControlsUseTheDisabledText)
{
    juce::LookAndFeel_V4 lookAndFeel;
    cvl::Colours::set (lookAndFeel, cvl::Colours::Type::Terminal,
                       juce::Colour (cvl::Colours::DefaultFrontPlate));
    juce::Component parent;
    juce::Component child;
    parent.addChildComponent (child);
    parent.setLookAndFeel (&lookAndFeel);

    EXPECT_EQ (cvl::Colours::get (&child, cvl::Colours::Background).getARGB(), 0xff222222u);
    child.setColour (cvl::Colours::Background, juce::Colours::red);
    EXPECT_EQ (cvl::Colours::get (&child, cvl::Colours::Background), juce::Colours::red);
    EXPECT_EQ (cvl::Colours::getTextColour (&child), cvl::Colours::get (&child, cvl::Colours::Text));
    parent.setEnabled (false);
    EXPECT_EQ (cvl::Colours::getTextColour (&child), cvl::Colours::get (&child, cvl::Colours::TextDisabled));
    parent.setLookAndFeel (nullptr);

    juce::LookAndFeel_V4 bare;
    juce::Component plain;
    plain.setLookAndFeel (&bare);
    EXPECT_EQ (cvl::Colours::get (&plain, cvl::Colours::Text), juce::Colours::black);
    plain.setLookAndFeel (nullptr);
}

TEST (Colours, ThemeTextRoundTripsAndSkipsOtherCharacters)
{
    EXPECT_EQ (cvl::Colours::toThemeText (juce::Colour (0xff642b36)), "ff642b36");
    EXPECT_EQ (cvl::Colours::toThemeText (juce::Colour (0x0000abcd)), "abcd");
    EXPECT_EQ (cvl::Colours::fromThemeText ("FF425C7F").getARGB(), 0xff425c7fu);
    EXPECT_EQ (cvl::Colours::fromThemeText ("#ff-42 5c7f").getARGB(), 0xff425c7fu);
    EXPECT_EQ (cvl::Colours::fromThemeText ("xyz, qrs!").getARGB(), 0u);
}

TEST (Icon, FillsItsPathInTheCurrentColourAndIgnoresBadText)
{
    const char* square = R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                         R"(<rect x="0" y="0" width="10" height="10"/></svg>)";
    cvl::Icon icon (square, false);
    ASSERT_FALSE (icon.isEmpty());
    icon.setBounds ({ 0.0f, 0.0f, 20.0f, 10.0f }); // centred, 10 wide
    juce::Image image (juce::Image::ARGB, 20, 10, true);
    {
        juce::Graphics g (image);
        g.setColour (juce::Colours::white);
        icon.paint (g);
    }
    EXPECT_EQ (image.getPixelAt (10, 5).getARGB(), 0xffffffffu);
    EXPECT_EQ (image.getPixelAt (1, 5).getAlpha(), 0);

    EXPECT_TRUE (cvl::Icon (nullptr, false).isEmpty());
    EXPECT_TRUE (cvl::Icon ("<not svg", true).isEmpty());
}
} // namespace
