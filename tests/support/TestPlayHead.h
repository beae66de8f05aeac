#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <optional>

namespace cvl::test
{
// A host transport whose tempo and position a test sets (or leaves out) between blocks.
class TestPlayHead final : public juce::AudioPlayHead
{
public:
    std::optional<double> bpm, ppq;

    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        if (bpm)
            info.setBpm (*bpm);
        if (ppq)
            info.setPpqPosition (*ppq);
        return info;
    }
};
} // namespace cvl::test
