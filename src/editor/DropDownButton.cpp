#include "DropDownButton.h"

#include "Colours.h"

namespace cvl
{
namespace
{
    constexpr float cornerRadius = 5.0f;
    constexpr juce::uint8 hoverAlpha = 0x40;
    constexpr juce::uint8 tabAlpha = 0x1a;
    constexpr int textInset = 2;
    constexpr float bracketStart = 0.8f;
} // namespace

DropDownButton::DropDownButton (IComponentData& data, const juce::Identifier& parameterId)
    : callbacks (data.getParameterModel()), parameter (data.getParameter (parameterId))
{
    callbacks.addCallback (
        parameterId,
        [this] (juce::var value)
        {
            if (parameter != nullptr)
                shownText = parameter->getText (static_cast<float> (value),
                                                exl::ChoiceParameterModel::maximumTextLength);
            repaint();
        },
        true);
    clickListener.onClick = [this] (const juce::ModifierKeys& mods)
    {
        if (mods.isLeftButtonDown())
            openMenu();
    };
}

DropDownButton::~DropDownButton() = default;

void DropDownButton::openMenu()
{
    if (! popup.findHost (*this) || popup.isValid() || parameter == nullptr)
        return;
    popup.create();
    auto menu = std::make_unique<Menu> (parameter);
    // The option button has requested its choice before this runs; then the menu goes.
    menu->clickListener.onClick = [this] (const juce::ModifierKeys& mods)
    {
        if (mods.isLeftButtonDown())
            popup.destroy();
    };
    const auto height = menu->getNumButtons() * itemPitch + menuMargin;
    popup.setSize (std::max (minimumMenuWidth, getWidth()), height);
    popup.setRelativeComponent (*this, true);
    popup.setAlignment (exl::PopupAlignment::Below);
    popup.setContentComponent (std::move (menu));
    popup.show();
}

void DropDownButton::paint (juce::Graphics& g)
{
    const auto colour =
        popup.isValid() ? Colours::get (this, Colours::TextHighlighted) : Colours::getTextColour (this);
    internalPaint (g, shownText, colour);
}

void DropDownButton::internalPaint (juce::Graphics& g, const juce::String& text, juce::Colour colour)
{
    g.setColour (colour);
    paint (g, getLocalBounds(), text);
}

void DropDownButton::paint (juce::Graphics& g, juce::Rectangle<int> bounds, const juce::String& text)
{
    const auto inner = bounds.reduced (textInset).toFloat();
    g.drawText (text, inner, juce::Justification::centred, true);
    const auto x = inner.getX();
    const auto y = inner.getY();
    const auto w = inner.getWidth();
    const auto h = inner.getHeight();
    juce::Path bracket;
    bracket.startNewSubPath (x, y + bracketStart * h);
    bracket.lineTo (x, y + h);
    bracket.lineTo (x + w, y + h);
    bracket.lineTo (x + w, y + bracketStart * h);
    g.strokePath (bracket, juce::PathStrokeType (1.0f));
}

void EffectSlotDropDownButton::internalPaint (juce::Graphics& g, const juce::String& text,
                                              juce::Colour colour)
{
    const auto height = static_cast<float> (getHeight());
    // Only the rounded top half lies inside the button: a tab.
    g.setColour (colour.withAlpha (tabAlpha));
    g.fillRoundedRectangle (0.0f, 0.0f, static_cast<float> (getWidth()), 2.0f * height, height / 2.0f);
    g.setColour (colour);
    g.drawText (text, getLocalBounds(), juce::Justification::centred, true);
}

DropDownButton::Menu::Menu (juce::ValueTree choices)
{
    setGap (menuMargin);
    setMargin (menuMargin);
    buildButtonComponents (choices);
}

DropDownButton::Menu::Menu (juce::RangedAudioParameter* parameterToShow)
    : exl::ChoiceSelector (parameterToShow)
{
    setGap (menuMargin);
    setMargin (menuMargin);
}

void DropDownButton::Menu::paintBackground (juce::Graphics& g, juce::Rectangle<float> bounds)
{
    g.setColour (juce::Colour (Colours::PopupBackground));
    g.fillRoundedRectangle (bounds, cornerRadius);
}

void DropDownButton::Menu::paintSelectorButton (juce::Graphics& g, juce::Rectangle<float> bounds,
                                                const juce::String& text, bool hovered, bool selected)
{
    const auto colour = Colours::get (this, selected ? Colours::TextHighlighted : Colours::Text);
    if (hovered)
    {
        g.setColour (colour.withAlpha (hoverAlpha));
        g.fillRect (bounds);
    }
    g.setColour (colour);
    if (selected)
        g.drawRect (bounds, 1.0f);
    g.drawText (text, bounds, juce::Justification::centred, true);
}
} // namespace cvl
