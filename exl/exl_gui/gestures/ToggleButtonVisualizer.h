#pragma once

#include "ValueVisualizerBase.h"

namespace exl
{
// Paints a boolean property; a void value paints as off.
class ToggleButtonVisualizer : public ValueVisualizerBase
{
public:
    using ValueVisualizerBase::ValueVisualizerBase;

protected:
    virtual void paintToggle (juce::Graphics& g, bool on);

private:
    void internalPaint (juce::Graphics& g, juce::var value) final;
};
} // namespace exl
