#include "TogglePropertyButton.h"

#include "editor/Colours.h"

#include <CorvaneImages.h>

namespace cvl
{
TogglePropertyButton::TogglePropertyButton (juce::ValueTree treeToToggle,
                                            const juce::Identifier& propertyToToggle,
                                            const juce::String& buttonText)
    : tree (treeToToggle), property (propertyToToggle), text (buttonText),
      collapsed (CorvaneImages::arrow_right_svg, false), expanded (CorvaneImages::arrow_down_svg, false),
      callbacks (treeToToggle)
{
    setName (buttonText);
    clickListener.onClick = [this] (const juce::ModifierKeys& mods)
    {
        if (mods.isLeftButtonDown())
            tree.setProperty (property, ! static_cast<bool> (tree[property]), nullptr);
    };
    callbacks.addCallback (
        property, [this] (juce::var) { repaint(); }, false);
}

TogglePropertyButton::~TogglePropertyButton() = default;

void TogglePropertyButton::paint (juce::Graphics& g)
{
    const auto& source = juce::Desktop::getInstance().getMainMouseSource();
    const auto hovered = source.isTouch() ? isMouseButtonDown() : isMouseOver();
    g.setColour (Colours::get (this, hovered ? Colours::TextHighlighted : Colours::Text));

    const auto s = std::min (getWidth(), getHeight());
    auto& icon = static_cast<bool> (tree[property]) ? expanded : collapsed;
    icon.setBounds (
        juce::Rectangle<int> (5, 5, std::max (s - 10, 0), std::max (getHeight() - 10, 0)).toFloat());
    icon.paint (g);

    const auto font = g.getCurrentFont();
    const auto space = std::max (getWidth() - s, 0);
    const auto textWidth = std::min (static_cast<int> (std::ceil (font.getStringWidthFloat (text))), space);
    g.drawText (text, s, 0, textWidth, getHeight(), juce::Justification::centredLeft, true);
    const auto ruleStart = static_cast<float> (std::min (s + textWidth + ruleGap, getWidth()));
    g.drawHorizontalLine (getHeight() / 2, ruleStart, static_cast<float> (getWidth()));
}
} // namespace cvl
