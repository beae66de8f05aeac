#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <functional>

namespace exl
{
class Parameter;

// Text functions receive the normalised value (0 to 1), as the framework passes it to getText.
using TextFunction = std::function<juce::String (const Parameter&, float)>;
using ParseFunction = std::function<float (const Parameter&, const juce::String&)>;
// Change callbacks receive the value in the parameter's own range and run on the audio thread.
using ChangeCallback = std::function<void (float)>;

// A host-visible or internal parameter whose normalised value is a single lock-free float.
// setValue may be called from any thread; callbacks run only from dispatchChange (audio thread).
class Parameter : public juce::RangedAudioParameter
{
public:
    Parameter (const juce::Identifier& identifier, const juce::String& name, const juce::String& caption,
               const juce::String& label, const juce::NormalisableRange<float>& range, float defaultValue,
               TextFunction textFunction, ParseFunction parseFunction, ChangeCallback changeCallback,
               int versionHint);

    float getValue() const override;
    void setValue (float newValue) override;
    float getDefaultValue() const override;
    juce::String getText (float normalisedValue, int maximumStringLength) const override;
    float getValueForText (const juce::String& text) const override;
    const juce::NormalisableRange<float>& getNormalisableRange() const override;

    const juce::Identifier& getIdentifier() const noexcept { return identifier; }
    const juce::String& getCaption() const noexcept { return caption; }
    const TextFunction& getTextFunction() const noexcept { return textFunction; }
    bool hasChangeCallback() const noexcept { return static_cast<bool> (changeCallback); }

    // Calls the change callback with the denormalised value if the normalised value differs from
    // the one seen at the previous call. The value is clamped to 0 to 1 first, never snapped.
    void dispatchChange() noexcept;

    // The dispatcher's memory; -1 before the first dispatch so that every callback fires once.
    float getLastDispatchedValue() const noexcept { return lastDispatchedValue; }

protected:
    void setTextFunction (TextFunction function) { textFunction = std::move (function); }

private:
    juce::Identifier identifier;
    juce::String caption;
    juce::NormalisableRange<float> range;
    float defaultValue;
    std::atomic<float> value;
    float lastDispatchedValue = -1.0f;
    TextFunction textFunction;
    ParseFunction parseFunction;
    ChangeCallback changeCallback;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Parameter)
};
} // namespace exl
