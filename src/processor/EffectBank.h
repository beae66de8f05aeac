#pragma once

#include "effects/IEffectProcessor.h"
#include "modulation/VectorSpaceProcessor.h"
#include "parameters/ParameterDirector.h"

#include <memory>
#include <span>

namespace cvl
{
// Every processor of one effect type, 3 slots x 11 channels, with the type's parameter set of each
// slot. Everything here exists for the engine's whole life, so switching a slot to another type and
// back resumes each processor from its own state.
// Threads: construction on the message thread; the rest on the audio thread.
template <typename Processor>
class EffectBank
{
public:
    static constexpr std::size_t numSlots = 3;
    static constexpr std::size_t numChannels = 11;
    using Parameters = typename Processor::Parameters;

    // Declares the parameter sets of slots 0, 1 and 2, in this order.
    explicit EffectBank (ParameterDirector& director)
    {
        for (std::size_t slot = 0; slot < numSlots; ++slot)
            parameters[slot] = std::make_unique<Parameters> (static_cast<int> (slot), director);
    }

    // Points each slot's parameter set at the processors of the first `channels` channels.
    void bind (std::size_t channels) noexcept
    {
        const auto count = std::min (channels, numChannels);
        for (std::size_t slot = 0; slot < numSlots; ++slot)
            parameters[slot]->setProcessors (std::span<Processor> (processors[slot].data(), count));
    }

    template <typename Function>
    void forEachProcessor (Function&& function)
    {
        for (auto& row : processors)
            for (auto& processor : row)
                function (static_cast<IEffectProcessor&> (processor));
    }

    // The slot's values for the current voice positions, handed to the processors of every channel.
    void calculateValues (std::size_t slot, const VectorSpaceProcessors& spaces) noexcept
    {
        parameters[slot]->calculateValues (spaces);
    }

    // The slot's processor of this channel, with the values calculated last.
    void process (std::size_t slot, std::size_t channel, VoiceBuffers& voices) noexcept
    {
        processors[slot][channel].process (voices);
    }

    [[nodiscard]] Processor& processor (std::size_t slot, std::size_t channel) noexcept
    {
        return processors[slot][channel];
    }

private:
    std::array<std::array<Processor, numChannels>, numSlots> processors{};
    std::array<std::unique_ptr<Parameters>, numSlots> parameters;
};
} // namespace cvl
