#include "ChoiceSelector.h"

#include "Colours.h"

namespace cvl
{
namespace
{
    constexpr float highlightInset = 2.0f;
    constexpr float textInset = 8.0f;
    constexpr float cornerRadius = 5.0f;
    constexpr juce::uint8 hoverAlpha = 0x1a;
    constexpr juce::uint8 selectedAlpha = 0x40;
} // namespace

ChoiceSelector::ChoiceSelector (juce::RangedAudioParameter* parameter) : exl::ChoiceSelector (parameter)
{
    setGap (buttonGap);
    setMargin (0);
}

void ChoiceSelector::paintBackground (juce::Graphics&, juce::Rectangle<float>) {}

void ChoiceSelector::paintSelectorButton (juce::Graphics& g, juce::Rectangle<float> bounds,
                                          const juce::String& text, bool hovered, bool selected)
{
    // The button component under the pointer decides the text colour; the selector stands in for it.
    const auto colour = Colours::getTextColour (this);
    if (hovered || selected)
    {
        g.setColour (colour.withAlpha (hovered && ! selected ? hoverAlpha : selectedAlpha));
        g.fillRoundedRectangle (bounds.reduced (highlightInset), cornerRadius);
    }
    g.setColour (colour);
    g.drawText (text, bounds.reduced (textInset), juce::Justification::centred, true);
}
} // namespace cvl
