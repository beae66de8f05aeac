#pragma once

#include "effects/VoiceBuffers.h"
#include "parameters/ParameterHelpers.h"

namespace cvl
{
// One effect of one slot and one channel, with per-voice state for up to 16 voices.
class IEffectProcessor
{
public:
    enum class Type
    {
        None,
        Allpass,
        Balance,
        Delay,
        Diffuser,
        Distortion,
        Filter
    };
    BOOST_DESCRIBE_NESTED_ENUM (Type, None, Allpass, Balance, Delay, Diffuser, Distortion, Filter)

    static const juce::String EffectModClass;

    virtual ~IEffectProcessor() = default;

    // Sizes buffers and derives rate-dependent constants; the only preparation an effect receives.
    // Audio thread, inside prepareToPlay: may allocate.
    virtual void setSampleRate (double sampleRate) = 0;

    // Processes every active voice in place. Audio thread: never allocates.
    virtual void process (VoiceBuffers& voices) noexcept = 0;
};
} // namespace cvl
