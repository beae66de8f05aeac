#include "editor/Colours.h"
#include "editor/controls/IconButton.h"
#include "editor/controls/TextButton.h"

#include <gtest/gtest.h>

namespace
{
const char* const square = R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                           R"(<rect x="0" y="0" width="10" height="10"/></svg>)";

// A terminal-scheme parent, so that the buttons find their colours the way the editor's controls do.
struct Themed : juce::Component
{
    Themed()
    {
        cvl::Colours::set (lookAndFeel, cvl::Colours::Type::Terminal,
                           juce::Colour (cvl::Colours::DefaultFrontPlate));
        setLookAndFeel (&lookAndFeel);
        setSize (100, 100);
    }
    ~Themed() override { setLookAndFeel (nullptr); }

    juce::LookAndFeel_V4 lookAndFeel;
};

TEST (IconButton, FillsItsIconOverTheWholeBoundsInTheTextColour)
{
    juce::ScopedJuceInitialiser_GUI gui;
    Themed parent;
    cvl::IconButton button (square);
    parent.addAndMakeVisible (button);
    button.setBounds (0, 0, 40, 20);
    EXPECT_EQ (button.getName(), "IconButton");

    struct Case
    {
        bool enabled;
        cvl::Colours::Id colour;
    };
    for (const auto& c : { Case{ true, cvl::Colours::Text }, Case{ false, cvl::Colours::TextDisabled } })
    {
        button.setEnabled (c.enabled);
        const auto image = button.createComponentSnapshot (button.getLocalBounds());
        // A square drawing is centred in the 40 x 20 bounds: 20 wide, from x = 10.
        EXPECT_EQ (image.getPixelAt (20, 10), cvl::Colours::get (&button, c.colour)) << c.enabled;
        EXPECT_EQ (image.getPixelAt (5, 10).getAlpha(), 0) << c.enabled;
    }

    // An icon without a drawing paints nothing, and the button still works.
    cvl::IconButton empty (nullptr);
    parent.addAndMakeVisible (empty);
    empty.setBounds (0, 0, 20, 20);
    const auto blank = empty.createComponentSnapshot (empty.getLocalBounds());
    EXPECT_EQ (blank.getPixelAt (10, 10).getAlpha(), 0);
}

TEST (TextButton, DrawsItsTextAboveABracketAndReportsClicks)
{
    juce::ScopedJuceInitialiser_GUI gui;
    Themed parent;
    cvl::TextButton button;
    parent.addAndMakeVisible (button);
    button.setBounds (0, 0, 80, 30);
    button.setButtonText ("Init");
    EXPECT_EQ (button.getName(), "TextButton");

    const auto image = button.createComponentSnapshot (button.getLocalBounds());
    const auto text = cvl::Colours::get (&button, cvl::Colours::Text);
    // The bracket runs 1 pixel wide along the bottom of the bounds inset by 2 (y = 28), and up the
    // sides from 80 % of the inner height; above that the sides stay empty.
    EXPECT_EQ (image.getPixelAt (40, 27).getRed(), text.getRed());
    EXPECT_GT (image.getPixelAt (2, 25).getAlpha(), 0);
    EXPECT_GT (image.getPixelAt (77, 25).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (2, 8).getAlpha(), 0);
    bool anyText = false;
    for (int x = 20; x < 60; ++x)
        for (int y = 6; y < 22; ++y)
            anyText = anyText || image.getPixelAt (x, y).getAlpha() > 0;
    EXPECT_TRUE (anyText);

    int clicks = 0;
    button.onClick = [&clicks] { ++clicks; };
    button.triggerClick();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (clicks, 1);
}
} // namespace
