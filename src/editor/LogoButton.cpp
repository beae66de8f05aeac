#include "LogoButton.h"

#include "Colours.h"

namespace cvl
{
void LogoButton::paint (juce::Graphics& g)
{
    g.setColour (Colours::get (this, Colours::Text));
    icon.setBounds (getLocalBounds().toFloat());
    icon.paint (g);
}
} // namespace cvl
