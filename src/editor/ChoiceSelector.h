#pragma once

#include <exl_gui/exl_gui.h>

namespace cvl
{
// The editor's look of a column of option buttons for a choice parameter: text in the text colour,
// a faint rounded highlight when hovered or selected. Message thread.
class ChoiceSelector : public exl::ChoiceSelector
{
public:
    static constexpr int buttonGap = 6;

    explicit ChoiceSelector (juce::RangedAudioParameter* parameter);

    void paintBackground (juce::Graphics& g, juce::Rectangle<float> bounds) override;
    void paintSelectorButton (juce::Graphics& g, juce::Rectangle<float> bounds, const juce::String& text,
                              bool hovered, bool selected) override;
};
} // namespace cvl
