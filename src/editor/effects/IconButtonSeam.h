#pragma once

#include "editor/Colours.h"
#include "editor/Icon.h"

namespace cvl
{
// A button that shows one filled drawing in the text colour; the owner handles its clicks. Stands in
// for the shared icon button, with the same constructor and look, so that swapping the alias below
// is the only change when that one is used. Message thread.
class IconButtonSeam : public juce::Button
{
public:
    explicit IconButtonSeam (const char* svg) : juce::Button ("IconButton"), icon (svg, false) {}

    void paintButton (juce::Graphics& g, bool, bool) override
    {
        g.setColour (Colours::getTextColour (this));
        icon.setBounds (getLocalBounds().toFloat());
        icon.paint (g);
    }

private:
    Icon icon;
};

using SlotIconButton = IconButtonSeam;
} // namespace cvl
