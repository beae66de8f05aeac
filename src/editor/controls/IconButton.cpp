#include "IconButton.h"

#include "editor/Colours.h"

namespace cvl
{
IconButton::IconButton (const char* svg) : juce::Button ("IconButton"), icon (svg, false) {}

void IconButton::paintButton (juce::Graphics& g, bool, bool)
{
    g.setColour (Colours::getTextColour (this));
    icon.setBounds (getLocalBounds().toFloat());
    icon.paint (g);
}
} // namespace cvl
