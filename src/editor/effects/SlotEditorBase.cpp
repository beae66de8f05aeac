#include "SlotEditorBase.h"

#include "effects/IEffectProcessor.h"

namespace cvl
{
namespace
{
    constexpr int margin = 6;
    constexpr int gap = 6;

    juce::Rectangle<int> inner (juce::Rectangle<int> bounds)
    {
        return { margin, margin, std::max (bounds.getWidth() - 2 * margin, 0),
                 std::max (bounds.getHeight() - 2 * margin, 0) };
    }
} // namespace

juce::Identifier effectParameterId (const juce::String& effect, const juce::String& parameter, int slot)
{
    return ParameterId{
        effect + parameter + juce::String (slot), IEffectProcessor::EffectModClass, {}
    }.toIdentifier();
}

std::array<juce::Rectangle<int>, 2> centredSlotPair (juce::Rectangle<int> bounds)
{
    const auto area = inner (bounds);
    const auto c = (area.getWidth() - 12) / 3;
    const auto x = margin + (area.getWidth() - (2 * c + gap)) / 2;
    return { juce::Rectangle<int> (x, margin, std::max (c, 0), area.getHeight()),
             juce::Rectangle<int> (x + c + gap, margin, std::max (c, 0), area.getHeight()) };
}

std::array<juce::Rectangle<int>, 3> slotColumns (juce::Rectangle<int> bounds)
{
    const auto area = inner (bounds);
    const auto a = area.getWidth();
    const auto b = area.getHeight();
    const auto first = std::min (a, (a - 12) / 3);
    auto rest = a - first - gap;
    const auto second = std::max ((rest - gap) / 2, 0);
    rest = std::max (rest - second - gap, 0);
    return { juce::Rectangle<int> (margin, margin, std::max (first, 0), b),
             juce::Rectangle<int> (margin + first + gap, margin, second, b),
             juce::Rectangle<int> (margin + first + gap + second + gap, margin, rest, b) };
}

SlotEditorBase::SlotEditorBase (IComponentData& componentData, int slotIndex)
    : data (componentData), slot (slotIndex), tooltips (componentData.getUiModel())
{
}

DspSlider& SlotEditorBase::addKnob (const juce::String& effectName, const juce::String& parameterName,
                                    const juce::String& tooltip)
{
    auto& knob = *knobs.emplace_back (std::make_unique<DspSlider> (data, effectName, parameterName, slot,
                                                                   IEffectProcessor::EffectModClass));
    knob.addTo (*this);
    tooltips.set (knob.getSlider(), tooltip);
    return knob;
}
} // namespace cvl
