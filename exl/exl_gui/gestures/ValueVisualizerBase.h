#pragma once

#include "ValueTreeCallbacks.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace exl
{
// A component that paints the last value of one tree property and repaints when it changes.
// Message thread.
class ValueVisualizerBase : public juce::Component
{
public:
    ValueVisualizerBase (juce::ValueTree tree, const juce::Identifier& property);

    void paint (juce::Graphics& g) override;

protected:
    virtual void internalPaint (juce::Graphics& g, juce::var value) = 0;

private:
    ValueTreeCallbacks callbacks;
    juce::var lastValue;

    JUCE_DECLARE_NON_COPYABLE (ValueVisualizerBase)
};
} // namespace exl
