#pragma once

#include "effects/AllpassProcessor.h"
#include "effects/BalanceProcessor.h"
#include "effects/DelayProcessor.h"
#include "effects/DiffuserProcessor.h"
#include "effects/DistortionProcessor.h"
#include "effects/FilterProcessor.h"
#include "processor/BufferDuplicator.h"
#include "processor/EffectBank.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace cvl
{
// The voice engine: copies each channel into 1 ... 16 voices, runs every voice through slots 1, 2
// and 3, averages the voices and mixes the average with the dry channel.
// Threads: construction on the message thread; prepare (inside prepareToPlay), setVoiceCount, the
// parameter change callbacks and processing on the audio thread. Only construction and prepare
// allocate.
class CorvaneProcessor
{
public:
    using Type = IEffectProcessor::Type;
    static constexpr std::size_t numSlots = 3;
    static constexpr std::size_t maxChannels = 11;

    static const juce::Identifier ProcessorType1;
    static const juce::Identifier ProcessorType2;
    static const juce::Identifier ProcessorType3;
    static const juce::Identifier Mix;

    explicit CorvaneProcessor (ParameterDirector& director);

    // channels: the host's total output channel count (at most 11 are processed); blockSize: the
    // largest sub-block. May be repeated; effect state survives it.
    void prepare (int channels, double sampleRate, int blockSize);

    // Clamped to 0 ... 16; without voices the wet part is silent.
    void setVoiceCount (int count) noexcept;

    // Processes one channel of one sub-block in place, with the slots' values for these voice
    // positions. A channel at or above the prepared count is left untouched; a non-finite input sample
    // counts as silence and the output is always finite.
    void processChannel (int channel, float* samples, int numSamples,
                         const VectorSpaceProcessors& spaces) noexcept;
    // Every channel of the buffer, in channel order; the slots' values are calculated once for all.
    void process (juce::AudioBuffer<float>& buffer, const VectorSpaceProcessors& spaces) noexcept;

    [[nodiscard]] Type getSlotType (std::size_t slot) const noexcept { return slotTypes[slot]; }
    [[nodiscard]] float getMix() const noexcept { return mix; }
    [[nodiscard]] std::size_t getVoiceCount() const noexcept { return voices.getVoiceCount(); }

private:
    void declareParameters (ParameterDirector& director);
    // Each slot's parameter set calculates its per-voice values and hands them to its processors.
    void calculateSlotValues (const VectorSpaceProcessors& spaces) noexcept;
    void processSlot (std::size_t slot, std::size_t channel, VoiceBuffers& buffers) noexcept;
    void processPreparedChannel (std::size_t channel, float* samples, int numSamples) noexcept;
    void mixVoices (float* samples, const VoiceBuffers& buffers) const noexcept;

    // Calls function (bank) with the bank of the slot's current type; nothing for an empty slot.
    template <typename Function>
    void forSlotBank (std::size_t slot, Function&& function) noexcept;

    template <typename Function>
    void forEachProcessor (Function&& function)
    {
        allpass.forEachProcessor (function);
        balance.forEachProcessor (function);
        delay.forEachProcessor (function);
        diffuser.forEachProcessor (function);
        distortion.forEachProcessor (function);
        filter.forEachProcessor (function);
    }

    std::array<Type, numSlots> slotTypes{ Type::None, Type::None, Type::None };
    BufferDuplicator voices;

    // One bank per effect type, in type order; each declares its slots' parameters as it is built.
    EffectBank<AllpassProcessor> allpass;
    EffectBank<BalanceProcessor> balance;
    EffectBank<DelayProcessor> delay;
    EffectBank<DiffuserProcessor> diffuser;
    EffectBank<DistortionProcessor> distortion;
    EffectBank<FilterProcessor> filter;

    float mix = 1.0f;
    std::size_t preparedChannels = 0;

    JUCE_DECLARE_NON_COPYABLE (CorvaneProcessor)
};
} // namespace cvl
