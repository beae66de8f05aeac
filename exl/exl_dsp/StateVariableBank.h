#pragma once

#include "Stage.h"

#include <span>

namespace exl::dsp
{
// Up to 16 cascades of up to four state-variable sections, one cascade per lane (voice), run side by
// side: the sample loop is outside, the lanes inside, and every state and coefficient is kept in
// vectors of four lanes, so that each step is one vector operation per group of four voices. Each lane
// computes, bit for bit, what a Stage with the same targets computes: the same operations in the same
// order, in double precision, with each coefficient gliding linearly over the configured steps.
// Audio thread only; nothing here allocates.
class StateVariableBank
{
public:
    using Values = StateVariableCoefficients::Values;

    static constexpr std::size_t maxLanes = 16;
    static constexpr std::size_t maxStages = Stage::maximumCount;

    // `initialStages` sections run until setNumStages is called (0 passes every lane through).
    explicit StateVariableBank (std::size_t initialStages = 1) noexcept;

    // Glide length in samples for every section; current values jump to their targets.
    void setGlideSteps (int steps) noexcept;
    // 1 ... 4 sections; sections that join start from zero state and zero targets, and take their next
    // targets at once (no glide) until the next setGlideSteps.
    void setNumStages (std::size_t count) noexcept;
    // New targets for one section of one lane; a target unchanged within rounding keeps its glide.
    void setTargets (std::size_t lane, std::size_t stage, const Values& targets) noexcept;
    // Zero integrator states; coefficients are kept.
    void reset() noexcept;

    // Runs the first voices.size() lanes (at most 16) through the cascade, each buffer in place;
    // lanes above them are left exactly as they are.
    void process (std::span<float* const> voices, std::size_t numSamples) noexcept;

    [[nodiscard]] std::size_t getNumStages() const noexcept { return numStages; }
    [[nodiscard]] double getState1 (std::size_t stage, std::size_t lane) const noexcept;
    [[nodiscard]] double getState2 (std::size_t stage, std::size_t lane) const noexcept;
    [[nodiscard]] Values getTargets (std::size_t stage, std::size_t lane) const noexcept;
    [[nodiscard]] bool isGliding (std::size_t stage, std::size_t lane) const noexcept;

    // Four lanes of doubles; the compiler maps them to whatever vector registers the target has.
    using Lanes = double __attribute__ ((vector_size (4 * sizeof (double))));
    static constexpr std::size_t lanesPerGroup = 4;
    static constexpr std::size_t maxGroups = maxLanes / lanesPerGroup;

private:
    // g, R, c_hp, c_bp, c_lp
    static constexpr std::size_t numCoefficients = 5;
    // Samples per transposed chunk: small enough that a chunk of 16 lanes stays in the first cache.
    static constexpr std::size_t chunkLength = 64;

    struct Glide
    {
        Lanes current{}, step{}, target{}, remaining{};
    };

    struct Group
    {
        Lanes s1{}, s2{};
        std::array<Glide, numCoefficients> coefficients{};
    };

    struct Section
    {
        std::array<Group, maxGroups> groups{};
        int configuredSteps = 0;
    };

    using Quad = float __attribute__ ((vector_size (4 * sizeof (float))));

    void transposeIn (const std::array<const float*, lanesPerGroup>& in, std::size_t group,
                      std::size_t length) noexcept;
    void transposeOut (const std::array<float*, lanesPerGroup>& out, std::size_t group,
                       std::size_t length) noexcept;
    void runChunk (std::size_t numGroups, std::size_t numSamples) noexcept;
    [[nodiscard]] double remainingSteps (std::size_t stage, std::size_t numGroups) const noexcept;

    std::array<Section, maxStages> sections{};
    std::size_t numStages = 1;
    std::array<Lanes, chunkLength * maxGroups> chunk{};
};
} // namespace exl::dsp
