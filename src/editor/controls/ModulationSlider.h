#pragma once

#include "Slider.h"

namespace cvl
{
// A modulation amount as a pie: one half is no modulation, above fills clockwise from 12 o'clock,
// below anticlockwise; either end of the range fills the whole disc. Message thread.
class ModulationSlider : public Slider
{
public:
    using Slider::Slider;

protected:
    void paintValue (juce::Graphics& g, float value) override;
};
} // namespace cvl
