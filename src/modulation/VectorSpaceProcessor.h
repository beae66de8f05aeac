#pragma once

#include "modulation/Transform.h"
#include "modulation/VectorSpace.h"

namespace cvl
{
// One vector space: the initial shape for the current voice count and its image under four transforms.
// Audio thread only.
struct VectorSpaceProcessor
{
    std::size_t voiceCount = 0;
    std::array<Transform, 4> transforms{};
    VectorSpace initial;
    VectorSpace transformed;

    // transformed = initial through transforms 1 to 4, then every coordinate clamped to -1 ... 1.
    void performTransformation() noexcept;
};

// The three vector spaces, handed to every per-voice parameter computation. The voice count of the
// first one is the voice count the effect parameter sets use.
using VectorSpaceProcessors = std::array<VectorSpaceProcessor, 3>;
} // namespace cvl
