#include "TextButton.h"

#include "editor/Colours.h"
#include "editor/DropDownButton.h"

namespace cvl
{
TextButton::TextButton() : juce::Button ("TextButton") {}

void TextButton::paintButton (juce::Graphics& g, bool, bool)
{
    g.setColour (Colours::getTextColour (this));
    DropDownButton::paint (g, getLocalBounds(), getButtonText());
}
} // namespace cvl
