#include "DiffuserProcessor.h"

#include "effects/EffectParameterId.h"
#include "effects/Interpolation.h"
#include "parameters/ParameterTextFunctions.h"

#include <cstring>

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
    const auto length = static_cast<std::size_t> (
        juce::nextPowerOfTwo (static_cast<int> (rate / msPerSecond * DelayProcessor::lineLengthMs)));
    // The lines keep their history across preparations of the same length.
    if (length != lineLength)
    {
        lines.assign (length * maxVoices, 0.0f);
        lineLength = length;
    }
    mask = static_cast<std::uint32_t> (length - 1);
    voiceRate = rate;
    for (std::size_t j = 0; j < maxVoices; ++j)
        step[j] = rampStep (current[j], target[j]);
}

float DiffuserProcessor::rampStep (float from, float to) const noexcept
{
    return std::abs (to - from) / (voiceRate * secondsPerMs * rampTimeMs);
}

void DiffuserProcessor::setVoice (std::size_t voice, float newTime, float newFeedback, float newMix) noexcept
{
    const auto newTarget = newTime * delaySpan + minimumDelay;
    if (newTarget != target[voice])
    {
        target[voice] = newTarget;
        step[voice] = rampStep (current[voice], newTarget);
    }
    feedback[voice] = newFeedback;
    mix[voice] = newMix;
}

DiffuserProcessor::DelayParameters DiffuserProcessor::getVoice (std::size_t voice) const noexcept
{
    DelayParameters state;
    state.writeIndex = writeIndex[voice];
    state.mask = mask;
    state.sampleRate = voiceRate;
    state.currentDelay = current[voice];
    state.targetDelay = target[voice];
    state.step = step[voice];
    state.rampTime = rampTimeMs;
    state.feedback = feedback[voice];
    state.mix = mix[voice];
    return state;
}

void DiffuserProcessor::process (VoiceBuffers& voices) noexcept
{
    const auto numVoices = std::min (voices.numVoices, maxVoices);
    if (numVoices == 0 || lines.empty())
        return;

    // Column k of the normalised matrix, for every voice at once; entries are +-1/sqrt(order) exactly,
    // so each product is the one a row-by-row sum would form. Rebuilt only when the voice count changes.
    if (numVoices != columnsVoiceCount)
    {
        const auto& hadamard = m_hadamard.at (networkOrder (numVoices));
        const auto normaliser = 1.0f / std::sqrt (static_cast<float> (hadamard.order));
        for (std::size_t k = 0; k < maxVoices; ++k)
            for (std::size_t j = 0; j < maxVoices; ++j)
                columns[k][j] = j < numVoices && k < numVoices ? hadamard.entries[j][k] * normaliser : 0.0f;
        columnsVoiceCount = numVoices;
    }

    for (std::size_t start = 0; start < voices.numSamples; start += chunkLength)
    {
        const auto length = std::min (chunkLength, voices.numSamples - start);
        frames.fill (0.0f);
        for (std::size_t j = 0; j < numVoices; ++j)
            for (std::size_t i = 0; i < length; ++i)
                frames[i * maxVoices + j] = voices[j][start + i];
        runNetwork (length, numVoices);
        for (std::size_t j = 0; j < numVoices; ++j)
            for (std::size_t i = 0; i < length; ++i)
                voices[j][start + i] = frames[i * maxVoices + j];
    }
}

// Per sample: every voice reads its line, then each voice's feedback is its input plus the matrix
// row times the delayed outputs, summed in column order. Every step runs for all 16 voices at once in
// vectors, with the choices made by selection instead of branches on the signal; voices that are not
// active compute along but keep their state.
[[gnu::target_clones ("avx512f", "avx2", "default")]] void
DiffuserProcessor::runNetwork (std::size_t numSamples, std::size_t numVoices) noexcept
{
    using Floats = float __attribute__ ((vector_size (maxVoices * sizeof (float))));
    using Ints = std::int32_t __attribute__ ((vector_size (maxVoices * sizeof (std::int32_t))));
    using Indices = std::uint32_t __attribute__ ((vector_size (maxVoices * sizeof (std::uint32_t))));

    const auto load = [] (const auto& array, auto& vector) noexcept
    { std::memcpy (&vector, array.data(), sizeof vector); };
    const auto store = [] (const auto& vector, auto& array) noexcept
    { std::memcpy (array.data(), &vector, sizeof vector); };

    Floats delays, targets, steps, feedbacks, mixes;
    Indices writes, bases;
    load (current, delays);
    load (target, targets);
    load (step, steps);
    load (feedback, feedbacks);
    load (mix, mixes);
    load (writeIndex, writes);
    Ints active;
    for (std::size_t j = 0; j < maxVoices; ++j)
    {
        active[j] = j < numVoices ? -1 : 0;
        bases[j] = static_cast<std::uint32_t> (j * lineLength);
    }
    const Floats zeros{};
    const Floats ones = zeros + 1.0f;
    const auto* columnData = columns.data();
    auto* line = lines.data();

    for (std::size_t i = 0; i < numSamples; ++i)
    {
        auto* row = frames.data() + i * maxVoices;
        Floats x;
        std::memcpy (&x, row, sizeof x);

        // The delay moves one step towards its target, never past it.
        const Floats sum = delays + steps;
        const Floats difference = delays - steps;
        const Floats up = targets < sum ? targets : sum;
        const Floats down = difference < targets ? targets : difference;
        const Floats moved = delays < targets ? up : (delays > targets ? down : delays);
        delays = active ? moved : delays;

        // Delays are at least one sample and far below 2^31, so a signed conversion truncates alike.
        const auto whole = __builtin_convertvector(__builtin_convertvector(delays, Ints), Indices);
        const Floats fraction = delays - __builtin_convertvector(whole, Floats);
        // Through plain arrays, so that the reads become gathers where the target has them.
        std::array<std::uint32_t, maxVoices> first, second;
        store ((((writes + whole) & mask) + bases), first);
        store ((((writes + whole + 1u) & mask) + bases), second);
        std::array<float, maxVoices> firstValues, secondValues;
        for (std::size_t j = 0; j < maxVoices; ++j)
        {
            firstValues[j] = line[first[j]];
            secondValues[j] = line[second[j]];
        }
        Floats a, b;
        load (firstValues, a);
        load (secondValues, b);

        // Across a sign change (or a zero) the two-product form; otherwise one product, kept from
        // passing b.
        const auto acrossZero = ((a <= zeros) & (b >= zeros)) | ((a >= zeros) & (b <= zeros));
        const Floats twoProducts = fraction * b + (ones - fraction) * a;
        const Floats y = a + fraction * (b - a);
        const Floats kept = b > a ? (b < y ? b : y) : (y < b ? b : y);
        const Floats delayed = acrossZero ? twoProducts : kept;

        std::array<float, maxVoices> delayedValues;
        store (delayed, delayedValues);
        Floats sums = x;
        for (std::size_t k = 0; k < numVoices; ++k)
        {
            Floats column;
            std::memcpy (&column, columnData[k].data(), sizeof column);
            sums += column * delayedValues[k];
        }

        std::array<float, maxVoices> written;
        std::array<std::uint32_t, maxVoices> slots;
        store (feedbacks * sums + x, written);
        store (((writes & mask) + bases), slots);
        for (std::size_t j = 0; j < numVoices; ++j)
            line[slots[j]] = written[j];
        writes = active ? writes - 1u : writes;

        const Floats out = x * (ones - mixes) + mixes * delayed;
        std::memcpy (row, &out, sizeof out);
    }

    store (delays, current);
    store (writes, writeIndex);
}
} // namespace cvl
