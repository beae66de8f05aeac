#pragma once

#include "editor/IComponentData.h"
#include "parameters/ParameterId.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
// A parameter's name and value text ("Time: 250 ms"); LFO frequencies show hertz or a note length by
// their sync type. Message thread.
class SliderLabel : public juce::Component
{
public:
    static constexpr int maximumTextLength = 100;

    SliderLabel (IComponentData& data, const juce::Identifier& identifier);

    void initTextCallbacks (const ParameterId& id);
    void setName (const juce::String& newName) override;
    void paint (juce::Graphics& g) override;

    [[nodiscard]] const juce::String& getText() const noexcept { return text; }

private:
    void rebuildText();

    juce::RangedAudioParameter* parameter;
    exl::ValueTreeCallbacks callbacks;
    juce::String text;
    juce::String name;
    int syncType = 0;
    int lengthIndex = 6;
    float lastValue = 0.0f;
    bool frequency = false;

    JUCE_DECLARE_NON_COPYABLE (SliderLabel)
};
} // namespace cvl
