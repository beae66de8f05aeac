#pragma once

#include "TypedEffectEditor.h"

namespace cvl
{
// The amount knob, the six distortion types and the mix knob.
class DistortionEditor : public TypedEffectEditor
{
public:
    DistortionEditor (IComponentData& data, int slot);
    static std::unique_ptr<juce::Component> Create (IComponentData& data, int slot);
    static juce::Identifier distortionTypeId (int slot);
    void resized() override;
};
} // namespace cvl
