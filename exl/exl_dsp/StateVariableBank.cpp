#include "StateVariableBank.h"

#include <cstring>

namespace exl::dsp
{
namespace
{
    using Lanes = StateVariableBank::Lanes;
    using LaneMask = long long __attribute__ ((vector_size (4 * sizeof (long long))));

    constexpr Lanes zeroLanes{};

    std::array<double StateVariableBank::Values::*, 5> valueFields() noexcept
    {
        using V = StateVariableBank::Values;
        return { &V::g, &V::r, &V::highPass, &V::bandPass, &V::lowPass };
    }

    void keepWhere (Lanes& value, const Lanes& saved, const LaneMask& keep) noexcept
    {
        value = keep ? saved : value;
    }
} // namespace

StateVariableBank::StateVariableBank (std::size_t initialStages) noexcept
    : numStages (std::min (initialStages, maxStages))
{
}

void StateVariableBank::setGlideSteps (int steps) noexcept
{
    for (auto& section : sections)
    {
        section.configuredSteps = steps;
        for (auto& group : section.groups)
            for (auto& glide : group.coefficients)
            {
                glide.current = glide.target;
                glide.remaining = zeroLanes;
            }
    }
}

void StateVariableBank::setNumStages (std::size_t count) noexcept
{
    count = std::clamp<std::size_t> (count, 1, maxStages);
    for (auto i = numStages; i < count; ++i)
        sections[i] = Section{};
    numStages = count;
}

void StateVariableBank::setTargets (std::size_t lane, std::size_t stage, const Values& targets) noexcept
{
    if (lane >= maxLanes || stage >= maxStages)
        return;
    auto& section = sections[stage];
    auto& group = section.groups[lane / lanesPerGroup];
    const auto l = static_cast<int> (lane % lanesPerGroup);
    const auto fields = valueFields();
    for (std::size_t k = 0; k < numCoefficients; ++k)
    {
        auto& glide = group.coefficients[k];
        const auto value = targets.*fields[k];
        if (StateVariableCoefficients::isSameTarget (glide.target[l], value))
            continue;
        glide.target[l] = value;
        if (section.configuredSteps <= 0)
        {
            glide.current[l] = value;
            glide.remaining[l] = 0.0;
        }
        else
        {
            const auto steps = static_cast<double> (section.configuredSteps);
            glide.remaining[l] = steps;
            glide.step[l] = (value - glide.current[l]) / steps;
        }
    }
}

void StateVariableBank::reset() noexcept
{
    for (auto& section : sections)
        for (auto& group : section.groups)
            group.s1 = group.s2 = zeroLanes;
}

double StateVariableBank::remainingSteps (std::size_t stage, std::size_t numGroups) const noexcept
{
    auto most = 0.0;
    for (std::size_t g = 0; g < numGroups; ++g)
        for (const auto& glide : sections[stage].groups[g].coefficients)
            for (std::size_t l = 0; l < lanesPerGroup; ++l)
                most = std::max (most, glide.remaining[static_cast<int> (l)]);
    return most;
}

// Stage by stage over the chunk: the first samples while any coefficient of the stage still glides,
// the rest with the coefficients' constant parts taken out of the loop (the same values, so the same
// results). Within a sample the groups are independent, which hides the division's latency.
[[gnu::target_clones ("avx512f", "avx2", "default")]] void
StateVariableBank::runChunk (std::size_t numGroups, std::size_t numSamples) noexcept
{
    for (std::size_t s = 0; s < numStages; ++s)
    {
        auto& section = sections[s];
        const auto glideLength =
            std::min (numSamples, static_cast<std::size_t> (remainingSteps (s, numGroups)));
        std::size_t i = 0;
        for (; i < glideLength; ++i)
            for (std::size_t gi = 0; gi < numGroups; ++gi)
            {
                auto& group = section.groups[gi];
                for (auto& glide : group.coefficients)
                {
                    const Lanes next = glide.remaining - 1.0;
                    glide.remaining = next > zeroLanes ? next : zeroLanes;
                    glide.current = glide.remaining > zeroLanes ? glide.current + glide.step : glide.target;
                }
                const auto& g = group.coefficients[0].current;
                const auto& r = group.coefficients[1].current;
                auto& x = chunk[i * maxGroups + gi];
                const Lanes hp = (x - (g + 2.0 * r) * group.s1 - group.s2) / (1.0 + 2.0 * r * g + g * g);
                const Lanes bp = g * hp + group.s1;
                const Lanes lp = g * bp + group.s2;
                group.s1 += 2.0 * g * hp;
                group.s2 += 2.0 * g * bp;
                x = group.coefficients[2].current * hp + group.coefficients[3].current * bp +
                    group.coefficients[4].current * lp;
            }

        if (i == numSamples)
            continue;

        struct Constant
        {
            Lanes g, feedback, divisor, twoG, highPass, bandPass, lowPass;
        };
        std::array<Constant, maxGroups> constants{};
        for (std::size_t gi = 0; gi < numGroups; ++gi)
        {
            const auto& c = section.groups[gi].coefficients;
            const auto& g = c[0].current;
            const auto& r = c[1].current;
            constants[gi] = { g,           g + 2.0 * r,  1.0 + 2.0 * r * g + g * g,
                              2.0 * g,     c[2].current, c[3].current,
                              c[4].current };
        }
        for (; i < numSamples; ++i)
            for (std::size_t gi = 0; gi < numGroups; ++gi)
            {
                auto& group = section.groups[gi];
                const auto& c = constants[gi];
                auto& x = chunk[i * maxGroups + gi];
                const Lanes hp = (x - c.feedback * group.s1 - group.s2) / c.divisor;
                const Lanes bp = c.g * hp + group.s1;
                const Lanes lp = c.g * bp + group.s2;
                group.s1 += c.twoG * hp;
                group.s2 += c.twoG * bp;
                x = c.highPass * hp + c.bandPass * bp + c.lowPass * lp;
            }
    }
}

// Four samples of four voices at a time: a 4 x 4 transpose by shuffles, widened to double.
void StateVariableBank::transposeIn (const std::array<const float*, lanesPerGroup>& in, std::size_t group,
                                     std::size_t length) noexcept
{
    std::size_t i = 0;
    for (; i + 4 <= length; i += 4)
    {
        Quad r0, r1, r2, r3;
        std::memcpy (&r0, in[0] + i, sizeof r0);
        std::memcpy (&r1, in[1] + i, sizeof r1);
        std::memcpy (&r2, in[2] + i, sizeof r2);
        std::memcpy (&r3, in[3] + i, sizeof r3);
        const Quad t0 = __builtin_shufflevector (r0, r1, 0, 4, 1, 5);
        const Quad t1 = __builtin_shufflevector (r2, r3, 0, 4, 1, 5);
        const Quad t2 = __builtin_shufflevector (r0, r1, 2, 6, 3, 7);
        const Quad t3 = __builtin_shufflevector (r2, r3, 2, 6, 3, 7);
        chunk[(i + 0) * maxGroups + group] =
            __builtin_convertvector(__builtin_shufflevector (t0, t1, 0, 1, 4, 5), Lanes);
        chunk[(i + 1) * maxGroups + group] =
            __builtin_convertvector(__builtin_shufflevector (t0, t1, 2, 3, 6, 7), Lanes);
        chunk[(i + 2) * maxGroups + group] =
            __builtin_convertvector(__builtin_shufflevector (t2, t3, 0, 1, 4, 5), Lanes);
        chunk[(i + 3) * maxGroups + group] =
            __builtin_convertvector(__builtin_shufflevector (t2, t3, 2, 3, 6, 7), Lanes);
    }
    for (; i < length; ++i)
        for (std::size_t l = 0; l < lanesPerGroup; ++l)
            chunk[i * maxGroups + group][static_cast<int> (l)] = static_cast<double> (in[l][i]);
}

// The way back: each lane rounded to float, four samples of four voices at a time.
void StateVariableBank::transposeOut (const std::array<float*, lanesPerGroup>& out, std::size_t group,
                                      std::size_t length) noexcept
{
    std::size_t i = 0;
    for (; i + 4 <= length; i += 4)
    {
        const auto c0 = __builtin_convertvector(chunk[(i + 0) * maxGroups + group], Quad);
        const auto c1 = __builtin_convertvector(chunk[(i + 1) * maxGroups + group], Quad);
        const auto c2 = __builtin_convertvector(chunk[(i + 2) * maxGroups + group], Quad);
        const auto c3 = __builtin_convertvector(chunk[(i + 3) * maxGroups + group], Quad);
        const Quad t0 = __builtin_shufflevector (c0, c1, 0, 4, 1, 5);
        const Quad t1 = __builtin_shufflevector (c2, c3, 0, 4, 1, 5);
        const Quad t2 = __builtin_shufflevector (c0, c1, 2, 6, 3, 7);
        const Quad t3 = __builtin_shufflevector (c2, c3, 2, 6, 3, 7);
        const Quad v0 = __builtin_shufflevector (t0, t1, 0, 1, 4, 5);
        const Quad v1 = __builtin_shufflevector (t0, t1, 2, 3, 6, 7);
        const Quad v2 = __builtin_shufflevector (t2, t3, 0, 1, 4, 5);
        const Quad v3 = __builtin_shufflevector (t2, t3, 2, 3, 6, 7);
        std::memcpy (out[0] + i, &v0, sizeof v0);
        std::memcpy (out[1] + i, &v1, sizeof v1);
        std::memcpy (out[2] + i, &v2, sizeof v2);
        std::memcpy (out[3] + i, &v3, sizeof v3);
    }
    for (; i < length; ++i)
        for (std::size_t l = 0; l < lanesPerGroup; ++l)
            out[l][i] = static_cast<float> (chunk[i * maxGroups + group][static_cast<int> (l)]);
}

void StateVariableBank::process (std::span<float* const> voices, std::size_t numSamples) noexcept
{
    const auto numLanes = std::min (voices.size(), maxLanes);
    if (numLanes == 0 || numStages == 0)
        return;
    const auto numGroups = (numLanes + lanesPerGroup - 1) / lanesPerGroup;

    // The unused lanes of the last group run along on silence; what they change is put back afterwards.
    const auto lastGroup = numGroups - 1;
    std::array<Group, maxStages> saved;
    for (std::size_t s = 0; s < numStages; ++s)
        saved[s] = sections[s].groups[lastGroup];

    // Lanes without a voice read silence and write nowhere.
    static constexpr std::array<float, chunkLength> silence{};
    std::array<float, chunkLength> discard;
    for (std::size_t start = 0; start < numSamples; start += chunkLength)
    {
        const auto length = std::min (chunkLength, numSamples - start);
        for (std::size_t gi = 0; gi < numGroups; ++gi)
        {
            std::array<const float*, lanesPerGroup> in;
            for (std::size_t l = 0; l < lanesPerGroup; ++l)
            {
                const auto lane = gi * lanesPerGroup + l;
                in[l] = lane < numLanes ? voices[lane] + start : silence.data();
            }
            transposeIn (in, gi, length);
        }

        runChunk (numGroups, length);

        for (std::size_t gi = 0; gi < numGroups; ++gi)
        {
            std::array<float*, lanesPerGroup> out;
            for (std::size_t l = 0; l < lanesPerGroup; ++l)
            {
                const auto lane = gi * lanesPerGroup + l;
                out[l] = lane < numLanes ? voices[lane] + start : discard.data();
            }
            transposeOut (out, gi, length);
        }
    }

    const auto usedInLastGroup = numLanes - lastGroup * lanesPerGroup;
    if (usedInLastGroup == lanesPerGroup)
        return;
    LaneMask keepSaved{};
    for (std::size_t l = usedInLastGroup; l < lanesPerGroup; ++l)
        keepSaved[static_cast<int> (l)] = -1;
    for (std::size_t s = 0; s < numStages; ++s)
    {
        auto& group = sections[s].groups[lastGroup];
        keepWhere (group.s1, saved[s].s1, keepSaved);
        keepWhere (group.s2, saved[s].s2, keepSaved);
        for (std::size_t k = 0; k < numCoefficients; ++k)
        {
            auto& glide = group.coefficients[k];
            const auto& old = saved[s].coefficients[k];
            keepWhere (glide.current, old.current, keepSaved);
            keepWhere (glide.step, old.step, keepSaved);
            keepWhere (glide.target, old.target, keepSaved);
            keepWhere (glide.remaining, old.remaining, keepSaved);
        }
    }
}

double StateVariableBank::getState1 (std::size_t stage, std::size_t lane) const noexcept
{
    return sections[stage].groups[lane / lanesPerGroup].s1[static_cast<int> (lane % lanesPerGroup)];
}

double StateVariableBank::getState2 (std::size_t stage, std::size_t lane) const noexcept
{
    return sections[stage].groups[lane / lanesPerGroup].s2[static_cast<int> (lane % lanesPerGroup)];
}

StateVariableBank::Values StateVariableBank::getTargets (std::size_t stage, std::size_t lane) const noexcept
{
    const auto& c = sections[stage].groups[lane / lanesPerGroup].coefficients;
    const auto l = static_cast<int> (lane % lanesPerGroup);
    return { c[0].target[l], c[1].target[l], c[2].target[l], c[3].target[l], c[4].target[l] };
}

bool StateVariableBank::isGliding (std::size_t stage, std::size_t lane) const noexcept
{
    const auto l = static_cast<int> (lane % lanesPerGroup);
    for (const auto& glide : sections[stage].groups[lane / lanesPerGroup].coefficients)
        if (glide.remaining[l] > 0.0)
            return true;
    return false;
}
} // namespace exl::dsp
