#include "ModulationVisualizer.h"

#include "ModulationVisualizerPainter.h"
#include "editor/Colours.h"

namespace cvl
{
namespace
{
    float bipolar (const juce::var& normalised)
    {
        return normalised.isVoid() ? 0.0f : 2.0f * static_cast<float> (normalised) - 1.0f;
    }

    const juce::Identifier voiceCountId{ "VoiceCount" };
} // namespace

MonoModulationVisualizer::MonoModulationVisualizer (IComponentData& data, const ParameterId& id)
    : listener (data, id), callbacks (data.getParameterModel())
{
    setInterceptsMouseClicks (false, false);
    listener.onChange = [this] { repaint(); };
    callbacks.addCallback (
        id.toIdentifier(),
        [this] (juce::var value)
        {
            base = value.isVoid() ? -1.0f : bipolar (value);
            repaint();
        },
        true);
}

juce::Range<float> MonoModulationVisualizer::getRange() const
{
    auto spread = 0.0f;
    for (const auto amount : listener.getAmounts())
        spread += std::abs (amount);
    return { base - spread, base + spread };
}

float MonoModulationVisualizer::getPosition() const
{
    auto position = base;
    for (const auto product : listener.getProducts())
        position += product;
    return position;
}

void MonoModulationVisualizer::paint (juce::Graphics& g)
{
    const auto range = getRange();
    if (range.isEmpty())
        return;
    ModulationVisualizerPainter painter (g, getLocalBounds(), Colours::get (this, Colours::Text));
    painter.paintRail (range);
    painter.paintPoint (getPosition());
}

PolyModulationVisualizer::PolyModulationVisualizer (IComponentData& componentData, const ParameterId& id)
    : data (componentData), callbacks (componentData.getParameterModel())
{
    setInterceptsMouseClicks (false, false);
    if (const auto* voices = componentData.getParameter (voiceCountId))
        voiceRange = voices->getNormalisableRange();
    callbacks.addCallback (
        id.toIdentifier(),
        [this] (juce::var value)
        {
            base = value.isVoid() ? -1.0f : bipolar (value);
            repaint();
        },
        true);
    for (const auto& [poly, name] : PolyModulators::IdNameArray)
    {
        const auto k = PolyModulators::index (poly);
        callbacks.addCallback (
            ParameterId{ id.name, id.modClass, PolyModulators::nameString (poly) }.toIdentifier(),
            [this, k] (juce::var value)
            {
                amounts[k] = bipolar (value);
                repaint();
            },
            true);
    }
    callbacks.addCallback (
        voiceCountId,
        [this] (juce::var value)
        {
            const auto normalised = value.isVoid() ? 0.0f : static_cast<float> (value);
            voiceCount = std::clamp (juce::roundToInt (voiceRange.convertFrom0to1 (normalised)), 1,
                                     static_cast<int> (maxVoices));
            repaint();
        },
        true);
    startTimer (repaintIntervalMs);
}

PolyModulationVisualizer::~PolyModulationVisualizer() { stopTimer(); }

juce::Range<float> PolyModulationVisualizer::getRange() const
{
    auto spread = 0.0f;
    for (const auto amount : amounts)
        spread += std::abs (amount);
    return { base - spread, base + spread };
}

std::vector<float> PolyModulationVisualizer::getVoicePositions() const
{
    std::vector<float> positions (static_cast<std::size_t> (voiceCount), base);
    auto& access = data.getVectorSpaceAccess();
    for (const auto& [poly, name] : PolyModulators::IdNameArray)
    {
        const auto amount = amounts[PolyModulators::index (poly)];
        if (amount == 0.0f)
            continue;
        const auto coordinates = access.readTransformed (poly);
        for (std::size_t v = 0; v < positions.size(); ++v)
            positions[v] += amount * coordinates[v];
    }
    return positions;
}

void PolyModulationVisualizer::timerCallback()
{
    // Voice positions change without notice; only a visible range whose voices moved needs the redraw.
    if (! isShowing() || getRange().isEmpty())
        return;
    auto positions = getVoicePositions();
    if (positions == lastPositions)
        return;
    lastPositions = std::move (positions);
    repaint();
}

void PolyModulationVisualizer::paint (juce::Graphics& g)
{
    const auto range = getRange();
    if (range.isEmpty())
        return;
    ModulationVisualizerPainter painter (g, getLocalBounds(), Colours::get (this, Colours::Text));
    painter.paintRail (range);
    for (const auto position : getVoicePositions())
        painter.paintPoint (position);
}
} // namespace cvl
