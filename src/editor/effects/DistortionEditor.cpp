#include "DistortionEditor.h"

#include "effects/DistortionProcessor.h"
#include <CorvaneImages.h>

namespace cvl
{
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
    return effectParameterId (DistortionProcessor::Parameters::Name, DistortionProcessor::Parameters::Type,
                              slot);
}

void DistortionEditor::resized()
{
    const auto columns = slotColumns (getLocalBounds());
    knobs[0]->setBounds (columns[0]);
    layoutTypeColumn (columns[1], false);
    knobs[1]->setBounds (columns[2]);
}
} // namespace cvl
