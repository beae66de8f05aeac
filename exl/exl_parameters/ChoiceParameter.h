#pragma once

#include "Parameter.h"

namespace exl
{
// A list of choices over the range 0 to (count - 1) with interval 1.
class ChoiceParameter : public Parameter
{
public:
    ChoiceParameter (const juce::Identifier& identifier, const juce::String& name,
                     const juce::String& caption, const juce::String& label, const juce::StringArray& choices,
                     int defaultIndex, ChangeCallback changeCallback, int versionHint);

    // The choice at the value's nearest index, cut to (maximumStringLength - 1) characters.
    juce::String getText (float normalisedValue, int maximumStringLength) const override;
    // The first exactly equal choice; a text that matches none gives 0.
    float getValueForText (const juce::String& text) const override;
    bool isDiscrete() const override { return true; }

    const juce::StringArray& getChoices() const noexcept { return choices; }

private:
    juce::StringArray choices;
};
} // namespace exl
