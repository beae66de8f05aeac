#include "DiffuserProcessor.h"

#include "effects/EffectParameterId.h"
#include "effects/Interpolation.h"
#include "parameters/ParameterTextFunctions.h"

namespace cvl
{
namespace
{
    constexpr float msPerSecond = 1000.0f;
    constexpr float secondsPerMs = 0.001f;

    std::unordered_map<std::uint64_t, Hadamard> makeMatrices()
    {
        std::unordered_map<std::uint64_t, Hadamard> matrices;
        for (const std::size_t order : { 1u, 2u, 4u, 8u, 16u })
            matrices.emplace (order, Hadamard::sylvester (order));
        return matrices;
    }

    // The smallest power of two not below the voice count (1 for a single voice).
    std::size_t networkOrder (std::size_t voices) noexcept
    {
        std::size_t order = 1;
        while (order < voices)
            order *= 2;
        return order;
    }
} // namespace

Hadamard Hadamard::sylvester (std::size_t order)
{
    Hadamard h;
    h.order = order;
    h.entries[0][0] = 1.0f;
    for (std::size_t size = 1; size < order; size *= 2)
        for (std::size_t row = 0; row < size; ++row)
            for (std::size_t column = 0; column < size; ++column)
            {
                const auto value = h.entries[row][column];
                h.entries[row][column + size] = value;
                h.entries[row + size][column] = value;
                h.entries[row + size][column + size] = -value;
            }
    return h;
}

const std::unordered_map<std::uint64_t, Hadamard> DiffuserProcessor::m_hadamard = makeMatrices();

const juce::String DiffuserProcessor::Parameters::Name{ "Diffuser" };
const juce::String DiffuserProcessor::Parameters::DelayTime{ "DelayTime" };
const juce::String DiffuserProcessor::Parameters::Feedback{ "Feedback" };
const juce::String DiffuserProcessor::Parameters::Mix{ "Mix" };

void DiffuserProcessor::setSampleRate (double sampleRate)
{
    const auto rate = static_cast<float> (sampleRate);
    minimumDelay = 1.0f;
    delaySpan = rate / msPerSecond * DelayProcessor::maxDelayMs;
    const auto length =
        juce::nextPowerOfTwo (static_cast<int> (rate / msPerSecond * DelayProcessor::lineLengthMs));
    for (auto& state : voiceStates)
    {
        state.mask = static_cast<std::uint32_t> (length - 1);
        state.line.resize (static_cast<std::size_t> (length), 0.0f);
        state.sampleRate = rate;
        state.rampTime = rampTimeMs;
        state.step = rampStep (state);
    }
}

float DiffuserProcessor::rampStep (const DelayParameters& state) noexcept
{
    return std::abs (state.targetDelay - state.currentDelay) /
           (state.sampleRate * secondsPerMs * state.rampTime);
}

void DiffuserProcessor::setVoice (std::size_t voice, float newTime, float newFeedback, float newMix) noexcept
{
    auto& state = voiceStates[voice];
    const auto target = newTime * delaySpan + minimumDelay;
    if (target != state.targetDelay)
    {
        state.targetDelay = target;
        state.step = rampStep (state);
    }
    state.feedback = newFeedback;
    state.mix = newMix;
}

void DiffuserProcessor::process (VoiceBuffers& voices) noexcept
{
    const auto numVoices = std::min (voices.numVoices, maxVoices);
    if (numVoices == 0 || voiceStates[0].line.empty())
        return;

    // Column k of the normalised matrix, for every voice at once; entries are +-1/sqrt(order) exactly,
    // so each product is the one a row-by-row sum would form.
    const auto& hadamard = m_hadamard.at (networkOrder (numVoices));
    const auto normaliser = 1.0f / std::sqrt (static_cast<float> (hadamard.order));
    for (std::size_t k = 0; k < maxVoices; ++k)
        for (std::size_t j = 0; j < maxVoices; ++j)
            columns[k][j] = j < numVoices && k < numVoices ? hadamard.entries[j][k] * normaliser : 0.0f;

    runNetwork (voices, numVoices);
}

// Per sample: every voice reads its line, then each voice's feedback is its input plus the matrix
// row times the delayed outputs, summed in column order for all voices side by side.
[[gnu::target_clones ("avx512f", "avx2", "default")]] void
DiffuserProcessor::runNetwork (VoiceBuffers& voices, std::size_t numVoices) noexcept
{
    for (std::size_t i = 0; i < voices.numSamples; ++i)
    {
        for (std::size_t j = 0; j < numVoices; ++j)
        {
            auto& state = voiceStates[j];
            if (state.currentDelay < state.targetDelay)
                state.currentDelay = std::min (state.currentDelay + state.step, state.targetDelay);
            else if (state.currentDelay > state.targetDelay)
                state.currentDelay = std::max (state.currentDelay - state.step, state.targetDelay);

            const auto whole = static_cast<std::uint32_t> (state.currentDelay);
            const auto fraction = state.currentDelay - static_cast<float> (whole);
            const auto a = state.line[(state.writeIndex + whole) & state.mask];
            const auto b = state.line[(state.writeIndex + whole + 1u) & state.mask];
            delayed[j] = interpolate (a, b, fraction);
        }

        std::array<float, maxVoices> sums{};
        for (std::size_t j = 0; j < numVoices; ++j)
            sums[j] = voices[j][i];
        for (std::size_t k = 0; k < numVoices; ++k)
        {
            const auto d = delayed[k];
            const auto& column = columns[k];
            for (std::size_t j = 0; j < maxVoices; ++j)
                sums[j] += column[j] * d;
        }

        for (std::size_t j = 0; j < numVoices; ++j)
        {
            auto& state = voiceStates[j];
            const auto x = voices[j][i];
            state.line[state.writeIndex & state.mask] = state.feedback * sums[j] + x;
            --state.writeIndex;
            voices[j][i] = x * (1.0f - state.mix) + state.mix * delayed[j];
        }
    }
}
} // namespace cvl
