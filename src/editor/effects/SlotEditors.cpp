#include "SlotEditors.h"

#include "editor/Colours.h"
#include "effects/AllpassProcessor.h"
#include "effects/BalanceProcessor.h"
#include "effects/DelayProcessor.h"
#include "effects/DiffuserProcessor.h"
#include "effects/DistortionProcessor.h"
#include "effects/FilterProcessor.h"
#include "effects/IEffectProcessor.h"

#include <CorvaneImages.h>

namespace cvl
{
namespace
{
    constexpr int margin = 6;
    constexpr int gap = 6;
    constexpr int typeLabelHeight = 30;

    juce::Identifier effectId (const juce::String& effect, const juce::String& parameter, int slot)
    {
        return ParameterId{
            effect + parameter + juce::String (slot), IEffectProcessor::EffectModClass, {}
        }.toIdentifier();
    }

    juce::Rectangle<int> inner (juce::Rectangle<int> bounds)
    {
        return { margin, margin, std::max (bounds.getWidth() - 2 * margin, 0),
                 std::max (bounds.getHeight() - 2 * margin, 0) };
    }

    // Two columns of a third of the width each, centred with a gap between them.
    std::array<juce::Rectangle<int>, 2> centredPair (juce::Rectangle<int> bounds)
    {
        const auto area = inner (bounds);
        const auto c = (area.getWidth() - 12) / 3;
        const auto x = margin + (area.getWidth() - (2 * c + gap)) / 2;
        return { juce::Rectangle<int> (x, margin, std::max (c, 0), area.getHeight()),
                 juce::Rectangle<int> (x + c + gap, margin, std::max (c, 0), area.getHeight()) };
    }
} // namespace

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

TimeFeedbackMixEditor::TimeFeedbackMixEditor (IComponentData& componentData, int slotIndex,
                                              const juce::String& effectName,
                                              const std::array<juce::String, 3>& parameterNames,
                                              const std::array<juce::String, 3>& tips)
    : SlotEditorBase (componentData, slotIndex)
{
    for (std::size_t i = 0; i < parameterNames.size(); ++i)
        addKnob (effectName, parameterNames[i], tips[i]);
}

void TimeFeedbackMixEditor::resized()
{
    const auto columns = slotColumns (getLocalBounds());
    for (std::size_t i = 0; i < knobs.size() && i < columns.size(); ++i)
        knobs[i]->setBounds (columns[i]);
}

DelayEditor::DelayEditor (IComponentData& componentData, int slotIndex)
    : TimeFeedbackMixEditor (componentData, slotIndex, DelayProcessor::Parameters::Name,
                             { DelayProcessor::Parameters::DelayTime, DelayProcessor::Parameters::Feedback,
                               DelayProcessor::Parameters::Mix },
                             { "Delay Offset", "Delay Feedback", "Delay Mix" })
{
}

std::unique_ptr<juce::Component> DelayEditor::Create (IComponentData& data, int slot)
{
    return std::make_unique<DelayEditor> (data, slot);
}

DiffuserEditor::DiffuserEditor (IComponentData& componentData, int slotIndex)
    : TimeFeedbackMixEditor (componentData, slotIndex, DiffuserProcessor::Parameters::Name,
                             { DiffuserProcessor::Parameters::DelayTime,
                               DiffuserProcessor::Parameters::Feedback, DiffuserProcessor::Parameters::Mix },
                             { "Diffuser Offset", "Diffuser Feedback", "Diffuser Mix" })
{
}

std::unique_ptr<juce::Component> DiffuserEditor::Create (IComponentData& data, int slot)
{
    return std::make_unique<DiffuserEditor> (data, slot);
}

BalanceEditor::BalanceEditor (IComponentData& componentData, int slotIndex)
    : SlotEditorBase (componentData, slotIndex)
{
    addKnob (BalanceProcessor::Parameters::Name, BalanceProcessor::Parameters::Pan, "Panning");
    addKnob (BalanceProcessor::Parameters::Name, BalanceProcessor::Parameters::Gain, "Gain");
}

std::unique_ptr<juce::Component> BalanceEditor::Create (IComponentData& data, int slot)
{
    return std::make_unique<BalanceEditor> (data, slot);
}

void BalanceEditor::resized()
{
    const auto pair = centredPair (getLocalBounds());
    knobs[0]->setBounds (pair[0]);
    knobs[1]->setBounds (pair[1]);
}

AllpassEditor::AllpassEditor (IComponentData& componentData, int slotIndex)
    : SlotEditorBase (componentData, slotIndex),
      order (componentData.getParameter (
          effectId (AllpassProcessor::Parameters::Name, AllpassProcessor::Parameters::Order, slotIndex)))
{
    addKnob (AllpassProcessor::Parameters::Name, AllpassProcessor::Parameters::Cutoff, "Allpass Cutoff");
    addAndMakeVisible (order);
    tooltips.set (order, "Allpass Order");
}

std::unique_ptr<juce::Component> AllpassEditor::Create (IComponentData& data, int slot)
{
    return std::make_unique<AllpassEditor> (data, slot);
}

void AllpassEditor::resized()
{
    const auto pair = centredPair (getLocalBounds());
    knobs[0]->setBounds (pair[0]);
    order.setBounds (pair[1]);
}

TypedEffectEditor::TypedEffectEditor (IComponentData& componentData, int slotIndex,
                                      const juce::Identifier& typeId, const std::vector<TypeButton>& buttons,
                                      const std::vector<juce::String>& typeNames)
    : SlotEditorBase (componentData, slotIndex), callbacks (componentData.getParameterModel())
{
    for (std::size_t i = 0; i < buttons.size(); ++i)
    {
        auto& button = *typeButtons.emplace_back (std::make_unique<ParameterSetterButton> (
            componentData, typeId, static_cast<int> (i), buttons[i].svg));
        addAndMakeVisible (button);
        tooltips.set (button, buttons[i].tooltip);
    }
    typeLabel.setJustificationType (juce::Justification::centred);
    typeLabel.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (typeLabel);
    const auto steps = static_cast<float> (typeNames.size() - 1);
    callbacks.addCallback (
        typeId,
        [this, typeNames, steps] (juce::var value)
        {
            const auto v = value.isVoid() ? 0.0f : static_cast<float> (value);
            const auto index = juce::roundToInt (v * steps);
            const auto text = index >= 0 && index < static_cast<int> (typeNames.size())
                                  ? typeNames[static_cast<std::size_t> (index)]
                                  : juce::String ("error");
            typeLabel.setText (text, juce::dontSendNotification);
        },
        true);
}

void TypedEffectEditor::layoutTypeColumn (juce::Rectangle<int> column, bool centreRows)
{
    typeLabel.setBounds (column.removeFromBottom (std::min (typeLabelHeight, column.getHeight())));
    const auto w2 = column.getWidth();
    const auto h = column.getHeight();
    const auto left = std::min (w2, (w2 - gap) / 2);
    const auto right = std::max (w2 - left - gap, 0);
    const auto rowHeight = std::max ((h - 12) / 3, 0);
    const auto rows = static_cast<int> ((typeButtons.size() + 1) / 2);
    auto y = column.getY() + gap;
    if (centreRows)
        y = column.getY() + (h - (rows * rowHeight + (rows - 1) * gap)) / 2;
    for (int row = 0; row < rows; ++row)
    {
        const auto top = std::min (y, column.getBottom());
        const auto height = std::max (std::min (rowHeight, column.getBottom() - top), 0);
        const auto first = static_cast<std::size_t> (2 * row);
        typeButtons[first]->setBounds (column.getX(), top, left, height);
        if (first + 1 < typeButtons.size())
            typeButtons[first + 1]->setBounds (column.getX() + left + gap, top, right, height);
        y += rowHeight + gap;
    }
}

DistortionEditor::DistortionEditor (IComponentData& componentData, int slotIndex)
    : TypedEffectEditor (componentData, slotIndex, distortionTypeId (slotIndex),
                         { { CorvaneImages::distortion_bitcrush_svg, "Bitcrush" },
                           { CorvaneImages::distortion_sample_and_hold_svg, "Sample and Hold" },
                           { CorvaneImages::distortion_soft_clip_svg, "Soft clip" },
                           { CorvaneImages::distortion_hard_clip_svg, "Hard clip" },
                           { CorvaneImages::distortion_sine_svg, "Sine" },
                           { CorvaneImages::distortion_rectify_svg, "Rectify" } },
                         { "Bitcrush", "Sample and Hold", "Soft Clip", "Hard Clip", "Sine", "Rectify" })
{
    addKnob (DistortionProcessor::Parameters::Name, DistortionProcessor::Parameters::Amount,
             "Distortion Amount");
    addKnob (DistortionProcessor::Parameters::Name, DistortionProcessor::Parameters::Mix, "Distortion Mix");
}

std::unique_ptr<juce::Component> DistortionEditor::Create (IComponentData& data, int slot)
{
    return std::make_unique<DistortionEditor> (data, slot);
}

juce::Identifier DistortionEditor::distortionTypeId (int slot)
{
    return effectId (DistortionProcessor::Parameters::Name, DistortionProcessor::Parameters::Type, slot);
}

void DistortionEditor::resized()
{
    const auto columns = slotColumns (getLocalBounds());
    knobs[0]->setBounds (columns[0]);
    layoutTypeColumn (columns[1], false);
    knobs[1]->setBounds (columns[2]);
}

FilterEditor::FilterEditor (IComponentData& componentData, int slotIndex)
    : TypedEffectEditor (componentData, slotIndex, filterTypeId (slotIndex),
                         { { CorvaneImages::filter_lp_svg, "Low Pass" },
                           { CorvaneImages::filter_hp_svg, "High Pass" },
                           { CorvaneImages::filter_bp_svg, "Band Pass" },
                           { CorvaneImages::filter_bs_svg, "Band Stop" } },
                         { "Low Pass", "High Pass", "Band Pass", "Band Stop" }),
      order (componentData.getParameter (
          effectId (FilterProcessor::Parameters::Name, FilterProcessor::Parameters::Order, slotIndex)))
{
    addKnob (FilterProcessor::Parameters::Name, FilterProcessor::Parameters::Cutoff, "Filter Cutoff");
    addAndMakeVisible (order);
    tooltips.set (order, "Filter Order");
}

std::unique_ptr<juce::Component> FilterEditor::Create (IComponentData& data, int slot)
{
    return std::make_unique<FilterEditor> (data, slot);
}

juce::Identifier FilterEditor::filterTypeId (int slot)
{
    return effectId (FilterProcessor::Parameters::Name, FilterProcessor::Parameters::Type, slot);
}

void FilterEditor::resized()
{
    const auto columns = slotColumns (getLocalBounds());
    knobs[0]->setBounds (columns[0]);
    layoutTypeColumn (columns[1], true);
    const auto b = columns[2].getHeight();
    const auto orderHeight = std::min ((b - 18) / 4 * 2 + 6, b);
    order.setBounds (columns[2].withSizeKeepingCentre (columns[2].getWidth(), std::max (orderHeight, 0)));
}
} // namespace cvl
