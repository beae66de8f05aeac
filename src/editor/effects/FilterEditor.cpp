#include "FilterEditor.h"

#include "effects/FilterProcessor.h"
#include <CorvaneImages.h>

namespace cvl
{
FilterEditor::FilterEditor (IComponentData& componentData, int slotIndex)
    : TypedEffectEditor (componentData, slotIndex, filterTypeId (slotIndex),
                         { { CorvaneImages::filter_lp_svg, "Low Pass" },
                           { CorvaneImages::filter_hp_svg, "High Pass" },
                           { CorvaneImages::filter_bp_svg, "Band Pass" },
                           { CorvaneImages::filter_bs_svg, "Band Stop" } },
                         { "Low Pass", "High Pass", "Band Pass", "Band Stop" }),
      order (componentData.getParameter (effectParameterId (FilterProcessor::Parameters::Name,
                                                            FilterProcessor::Parameters::Order, slotIndex)))
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
    return effectParameterId (FilterProcessor::Parameters::Name, FilterProcessor::Parameters::Type, slot);
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
