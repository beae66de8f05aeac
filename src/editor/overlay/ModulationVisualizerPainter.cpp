#include "ModulationVisualizerPainter.h"

#include "editor/controls/Slider.h"

namespace cvl
{
namespace
{
    const juce::NormalisableRange<float> ModulationRange{ -1.0f, 1.0f };
}

ModulationVisualizerPainter::ModulationVisualizerPainter (juce::Graphics& graphics,
                                                          juce::Rectangle<int> bounds,
                                                          juce::Colour paintColour)
    : g (graphics), colour (paintColour)
{
    const auto side = static_cast<float> (std::max (std::min (bounds.getWidth(), bounds.getHeight()) - 4, 0));
    square = juce::Rectangle<float> (side, side).withCentre (bounds.toFloat().getCentre());
}

float ModulationVisualizerPainter::angleFor (float value)
{
    return Slider::angleFor (
        std::clamp (ModulationRange.convertTo0to1 (std::clamp (value, -1.0f, 1.0f)), 0.0f, 1.0f));
}

juce::Point<float> ModulationVisualizerPainter::pointFor (float value) const
{
    const auto angle = angleFor (value);
    const auto r = square.getWidth() / 2.0f;
    const auto c = square.getCentre();
    return { c.x + r * std::sin (angle), c.y - r * std::cos (angle) };
}

void ModulationVisualizerPainter::paintRail (const juce::Range<float>& range)
{
    juce::Path rail;
    const auto r = square.getWidth() / 2.0f;
    rail.addCentredArc (square.getCentreX(), square.getCentreY(), r, r, 0.0f, angleFor (range.getStart()),
                        angleFor (range.getEnd()), true);
    g.setColour (colour);
    g.strokePath (rail,
                  juce::PathStrokeType (1.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
}

void ModulationVisualizerPainter::paintPoint (const float& value)
{
    g.setColour (colour);
    g.fillEllipse (juce::Rectangle<float> (pointSize, pointSize).withCentre (pointFor (value)));
}
} // namespace cvl
