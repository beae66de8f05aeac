#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <vector>

namespace exl
{
// Copies the normalised value of every watched parameter into a property of its tree's root, named by
// the parameter's identifier, on each timer tick; only changed values notify. The owner adds parameters
// and child nodes and starts the timer. Message thread.
class ParameterValuesModel : public juce::Timer
{
public:
    static const juce::Identifier Type;

    ParameterValuesModel();
    ~ParameterValuesModel() override;

    void watch (const juce::Identifier& identifier, juce::RangedAudioParameter* parameter);
    [[nodiscard]] juce::ValueTree getTree() const { return tree; }

    void timerCallback() override;

private:
    struct Entry
    {
        juce::Identifier identifier;
        juce::RangedAudioParameter* parameter = nullptr;
        float lastValue = -1.0f;
    };

    std::vector<Entry> entries;
    juce::ValueTree tree{ Type };

    JUCE_DECLARE_NON_COPYABLE (ParameterValuesModel)
};
} // namespace exl
