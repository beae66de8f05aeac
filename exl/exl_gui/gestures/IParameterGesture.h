#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

namespace exl
{
// One host parameter as an editor control changes it. Begin and end nest; the host sees one
// gesture per outermost pair. Message thread.
class IParameterGesture
{
public:
    virtual ~IParameterGesture() = default;

    virtual void gestureBegin() = 0;
    [[nodiscard]] virtual juce::NormalisableRange<float> gestureGetRange() const = 0;
    // Normalised, 0 to 1; not clamped here.
    virtual void gestureSetValue (float normalisedValue) = 0;
    // In the parameter's own range.
    virtual void gestureSetRangedValue (float value) = 0;
    [[nodiscard]] virtual float gestureGetValue() const = 0;
    [[nodiscard]] virtual float gestureGetRangedValue() const = 0;
    virtual void gestureSetDefault() = 0;
    virtual void gestureEnd() = 0;
};
} // namespace exl
