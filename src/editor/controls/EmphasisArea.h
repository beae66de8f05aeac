#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace cvl
{
// A translucent rounded tint that marks a modulation source while it is emphasised. The owner sets
// the flag, repaints and makes it ignore mouse clicks. Message thread.
class EmphasisArea : public juce::Component
{
public:
    static constexpr float cornerRadius = 5.0f;
    static constexpr juce::uint8 tintAlpha = 0x26;

    EmphasisArea() = default;

    void paint (juce::Graphics& g) override;

    bool emphasised = false;

private:
    JUCE_DECLARE_NON_COPYABLE (EmphasisArea)
};
} // namespace cvl
