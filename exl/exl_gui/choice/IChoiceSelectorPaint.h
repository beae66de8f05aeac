#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace exl
{
// The look of a choice selector; subclasses restyle it by overriding both operations.
class IChoiceSelectorPaint
{
public:
    virtual ~IChoiceSelectorPaint() = default;

    virtual void paintBackground (juce::Graphics& g, juce::Rectangle<float> bounds) = 0;
    virtual void paintSelectorButton (juce::Graphics& g, juce::Rectangle<float> bounds,
                                      const juce::String& text, bool hovered, bool selected) = 0;
};
} // namespace exl
