#pragma once

#include "reference/ReferenceDelayLines.h"
#include "reference/ReferenceFilters.h"

namespace cvl::reference
{
// The heaviest chain of slots, written plainly from the reference models for the voices of one
// channel: an all-pass of four sections, the diffuser, and a band pass of two sections (24 dB per
// octave). Every sub-block takes each voice's values, designs its sections afresh and runs the voices
// one after another.
class ReferenceChain
{
public:
    struct VoiceValues
    {
        float allpassCutoff = 0.5f; // normalised, 0 ... 1
        float diffuserTime = 0.5f, diffuserFeedback = 0.5f, diffuserMix = 0.5f;
        float filterCutoff = 0.5f;
    };

    ReferenceChain (double sampleRate, std::size_t voices);

    void process (std::vector<std::vector<float>>& voices, const std::vector<VoiceValues>& values);

    // The cutoff mapping: 20 Hz at 0, else 20 + 19980^sqrt(v).
    static float toHz (float normalised);

private:
    double rate;
    std::vector<VoiceCascade> allpass, filter;
    ReferenceDiffuser diffuser;
};
} // namespace cvl::reference
