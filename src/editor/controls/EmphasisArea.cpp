#include "EmphasisArea.h"

#include "editor/Colours.h"

namespace cvl
{
void EmphasisArea::paint (juce::Graphics& g)
{
    if (! emphasised)
        return;
    g.setColour (Colours::get (this, Colours::Text).withAlpha (tintAlpha));
    g.fillRoundedRectangle (getLocalBounds().toFloat(), cornerRadius);
}
} // namespace cvl
