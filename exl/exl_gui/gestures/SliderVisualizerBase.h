#pragma once

#include "ValueVisualizerBase.h"

namespace exl
{
// Paints a numeric property; a void value paints as 0.
class SliderVisualizerBase : public ValueVisualizerBase
{
public:
    using ValueVisualizerBase::ValueVisualizerBase;

protected:
    virtual void paintValue (juce::Graphics& g, float value) = 0;

private:
    void internalPaint (juce::Graphics& g, juce::var value) final;
};
} // namespace exl
