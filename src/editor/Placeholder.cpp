#include "Placeholder.h"

#include "Colours.h"

namespace cvl
{
Placeholder::Placeholder (const juce::String& name) : juce::Component (name)
{
    clickListener.onClick = [this] (const juce::ModifierKeys& mods)
    {
        if (mods.isLeftButtonDown() && onClick)
            onClick();
    };
}

void Placeholder::paint (juce::Graphics& g)
{
    constexpr float frameAlpha = 0.25f;
    if (fillsBackground)
        g.fillAll (Colours::get (this, Colours::Background));
    const auto colour = Colours::getTextColour (this);
    g.setColour (colour.withMultipliedAlpha (frameAlpha));
    g.drawRect (getLocalBounds());
    // A stand-in with stand-ins inside leaves the naming to them.
    if (getNumChildComponents() > 0)
        return;
    g.setColour (colour);
    g.drawText (getName(), getLocalBounds().reduced (2), juce::Justification::centred, true);
}
} // namespace cvl
