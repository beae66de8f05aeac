#pragma once

#include "IParameterGesture.h"

namespace exl
{
// Gestures on one parameter, which may be null (then every operation is neutral). Message thread.
class ParameterHandler : public IParameterGesture
{
public:
    explicit ParameterHandler (juce::RangedAudioParameter* parameterToChange) noexcept
        : parameter (parameterToChange)
    {
    }

    void gestureBegin() override;
    [[nodiscard]] juce::NormalisableRange<float> gestureGetRange() const override;
    void gestureSetValue (float normalisedValue) override;
    void gestureSetRangedValue (float value) override;
    [[nodiscard]] float gestureGetValue() const override;
    [[nodiscard]] float gestureGetRangedValue() const override;
    void gestureSetDefault() override;
    void gestureEnd() override;

    [[nodiscard]] juce::RangedAudioParameter* getParameter() const noexcept { return parameter; }
    [[nodiscard]] int getDepth() const noexcept { return depth; }

private:
    int depth = 0;
    juce::RangedAudioParameter* parameter;
};
} // namespace exl
