#pragma once

#include "IComponentData.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
// Shows a choice parameter's current text and opens its choices as a menu below itself.
// Message thread.
class DropDownButton : public juce::Component
{
public:
    static constexpr int minimumMenuWidth = 200;
    static constexpr int itemPitch = 41; // 35-pixel items and the 6-pixel gap
    static constexpr int menuMargin = 6;

    DropDownButton (IComponentData& data, const juce::Identifier& parameterId);
    ~DropDownButton() override;

    void paint (juce::Graphics& g) override;
    // The text centred above an open bracket, in the current colour.
    static void paint (juce::Graphics& g, juce::Rectangle<int> bounds, const juce::String& text);

    [[nodiscard]] const juce::String& getShownText() const noexcept { return shownText; }
    [[nodiscard]] bool isMenuOpen() { return popup.isValid(); }
    void openMenu();

    // A column of choices in a dark rounded frame; from a parameter, or from a tree whose selection the
    // owner's selection model handles.
    class Menu : public exl::ChoiceSelector
    {
    public:
        explicit Menu (juce::ValueTree choices);
        explicit Menu (juce::RangedAudioParameter* parameter);

        void paintBackground (juce::Graphics& g, juce::Rectangle<float> bounds) override;
        void paintSelectorButton (juce::Graphics& g, juce::Rectangle<float> bounds, const juce::String& text,
                                  bool hovered, bool selected) override;

        exl::MouseClickListener clickListener{ this };
    };

protected:
    virtual void internalPaint (juce::Graphics& g, const juce::String& text, juce::Colour colour);

private:
    exl::MouseClickListener clickListener{ this };
    exl::ValueTreeCallbacks callbacks;
    exl::MouseEventRepaint repainter{ this };
    exl::PopupClient popup;
    juce::RangedAudioParameter* parameter;
    juce::String shownText;

    JUCE_DECLARE_NON_COPYABLE (DropDownButton)
};

// The effect slot's type selector, drawn as a tab.
class EffectSlotDropDownButton : public DropDownButton
{
public:
    using DropDownButton::DropDownButton;

protected:
    void internalPaint (juce::Graphics& g, const juce::String& text, juce::Colour colour) override;
};
} // namespace cvl
