#include "ModulationSlider.h"

#include "editor/Colours.h"

namespace cvl
{
void ModulationSlider::paintValue (juce::Graphics& g, float value)
{
    constexpr auto pi = juce::MathConstants<float>::pi;
    const auto s = std::min (getWidth(), getHeight());
    const juce::Rectangle<float> circle{ static_cast<float> ((getWidth() - s) / 2 + 1),
                                         static_cast<float> ((getHeight() - s) / 2 + 1),
                                         static_cast<float> (std::max (s - 2, 0)),
                                         static_cast<float> (std::max (s - 2, 0)) };
    // Both ends of the amount's range fill the whole disc, the middle none.
    const auto phi = 2.0f * pi * (2.0f * value - 1.0f);
    juce::Path pie;
    pie.addPieSegment (circle, std::min (phi, 0.0f), std::max (phi, 0.0f), 0.0f);

    const auto text = Colours::get (this, Colours::Text);
    g.setColour (Colours::get (this, Colours::Background));
    g.fillEllipse (circle);
    g.setColour (text);
    g.fillPath (pie);
    g.drawEllipse (circle, 1.0f);
}
} // namespace cvl
