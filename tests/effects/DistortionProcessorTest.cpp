#include "effects/DistortionProcessor.h"
#include "effects/DistortionAlgorithms.h"
#include "effects/VoiceSet.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

using cvl::DistortionType;

namespace
{
// The plain maths of each shaper, one sample at a time. `n` counts samples from the start of the run.
struct ReferenceShaper
{
    DistortionType type;
    float a;
    float held = 0.0f;

    float drive() const { return 1.0f + 49.0f * a; }

    // Level compensation of the sine shape at the amounts the cases use: the measured table's
    // entries 0, 0 and 1 halfway, 50 and 100.
    float sineLevel() const
    {
        if (a == 0.0f)
            return 1.00396f;
        if (a == 0.005f)
            return 0.5f * (1.00396f + 0.677059f);
        if (a == 0.5f)
            return 0.169014f;
        return 0.173226f;
    }

    // The rectifier's table is 1 / drive at every whole percent, read linearly in between.
    float rectifyLevel() const
    {
        const auto percent = 100.0f * a;
        const auto lower = std::floor (percent), upper = std::ceil (percent), f = percent - lower;
        return (1.0f - f) / (1.0f + 0.49f * lower) + f / (1.0f + 0.49f * upper);
    }

    float shape (float x, std::size_t n)
    {
        switch (type)
        {
            case DistortionType::Bitcrush:
            {
                const auto levels = (1.0f - std::sqrt (a)) * 60.0f + 4.0f;
                return std::round (x * levels) / levels;
            }
            case DistortionType::SampleAndHold:
            {
                // A new sample is taken at the end of every hold period.
                const auto hold = static_cast<std::size_t> (31.9f * a + 0.1f);
                if (hold <= 1 || (n + 1) % hold == 0)
                    held = x;
                return held;
            }
            case DistortionType::SoftClip:
                return std::tanh (drive() * x) * (1.0f + 3.0f * a) / std::pow (drive(), 1.0f - std::abs (x));
            case DistortionType::HardClip:
                return std::max (-1.0f, std::min (1.0f, drive() * x));
            case DistortionType::Sine:
                return std::sin (drive() * x) * sineLevel();
            case DistortionType::Rectify:
                return std::abs (drive() * x) * rectifyLevel();
        }
        return x;
    }

    // The table follows 1 / drive to within 0.00006.
    float tolerance (float x, float mix) const
    {
        return type == DistortionType::Rectify ? 6.0e-5f * std::abs (drive() * x) * mix + 1.0e-6f : 2.0e-5f;
    }
};

float testSignal (std::size_t n)
{
    return 1.2f * std::sin (0.0173f * static_cast<float> (n)) * std::cos (0.0031f * static_cast<float> (n));
}
} // namespace

TEST (DistortionProcessor, EveryTypeFollowsItsPlainFormula)
{
    const float amounts[] = { 0.0f, 0.005f, 0.5f, 1.0f };
    const float mixes[] = { 1.0f, 0.3f };
    const std::size_t blockLengths[] = { 512, 100, 77, 512 };

    for (std::size_t t = 0; t < cvl::DistortionProcessor::numTypes; ++t)
        for (const auto amount : amounts)
            for (const auto mix : mixes)
            {
                const auto type = static_cast<DistortionType> (t);
                cvl::DistortionProcessor processor;
                processor.setSampleRate (48000.0);
                processor.setType (type);
                processor.setVoice (0, amount, mix);
                processor.setVoice (1, amount, 0.0f); // dry: passes its input unchanged
                ReferenceShaper reference{ type, amount };
                std::size_t start = 0;
                for (const auto length : blockLengths)
                {
                    cvl::test::VoiceSet voices (2, length);
                    for (std::size_t i = 0; i < length; ++i)
                        voices.buffers[0][i] = voices.buffers[1][i] = testSignal (start + i);
                    const auto input = voices.buffers[0];
                    auto view = voices.view();
                    processor.process (view);
                    for (std::size_t i = 0; i < length; ++i)
                    {
                        const auto x = input[i];
                        const auto expected = x * (1.0f - mix) + mix * reference.shape (x, start + i);
                        ASSERT_NEAR (voices.buffers[0][i], expected, reference.tolerance (x, mix))
                            << cvl::ParameterHelpers::enumName (type) << ", amount " << amount << ", mix "
                            << mix << ", sample " << start + i;
                        ASSERT_EQ (voices.buffers[1][i], x);
                    }
                    start += length;
                }
            }
}

TEST (DistortionProcessor, KnownPointsOfTheShapes)
{
    struct Case
    {
        DistortionType type;
        float amount, x, expected;
    };
    const Case cases[] = {
        { DistortionType::Bitcrush, 1.0f, 0.1f, 0.0f },    { DistortionType::Bitcrush, 1.0f, 0.2f, 0.25f },
        { DistortionType::Bitcrush, 1.0f, -0.2f, -0.25f }, { DistortionType::HardClip, 1.0f, 0.019f, 0.95f },
        { DistortionType::HardClip, 1.0f, 0.021f, 1.0f },  { DistortionType::HardClip, 1.0f, -0.5f, -1.0f },
        { DistortionType::Rectify, 0.0f, -0.3f, 0.3f },    { DistortionType::Rectify, 0.0f, 0.3f, 0.3f },
    };
    for (const auto& c : cases)
    {
        cvl::DistortionProcessor processor;
        processor.setType (c.type);
        processor.setVoice (0, c.amount, 1.0f);
        cvl::test::VoiceSet voices (1, 1);
        voices.buffers[0][0] = c.x;
        auto view = voices.view();
        processor.process (view);
        EXPECT_NEAR (voices.buffers[0][0], c.expected, 1.0e-6f)
            << cvl::ParameterHelpers::enumName (c.type) << " at " << c.x;
    }
}

// The hold keeps its phase through a dry stretch and through a switch to another type and back.
TEST (DistortionProcessor, SampleAndHoldRunsOnWhileDryAndWhileSwitchedAway)
{
    cvl::DistortionProcessor processor;
    processor.setType (DistortionType::SampleAndHold);
    ReferenceShaper reference{ DistortionType::SampleAndHold, 0.5f };
    std::size_t start = 0;
    const std::pair<DistortionType, float> blocks[] = { { DistortionType::SampleAndHold, 0.0f },
                                                        { DistortionType::SampleAndHold, 1.0f },
                                                        { DistortionType::SoftClip, 1.0f },
                                                        { DistortionType::SampleAndHold, 1.0f } };
    std::size_t heldStart = 0; // samples the sample-and-hold instance has seen
    for (const auto& [type, mix] : blocks)
    {
        processor.setType (type);
        processor.setVoice (0, 0.5f, mix);
        cvl::test::VoiceSet voices (1, 100);
        for (std::size_t i = 0; i < 100; ++i)
            voices.buffers[0][i] = testSignal (start + i);
        auto view = voices.view();
        processor.process (view);
        if (type == DistortionType::SampleAndHold)
        {
            for (std::size_t i = 0; i < 100; ++i)
            {
                const auto x = testSignal (start + i);
                const auto expected = x * (1.0f - mix) + mix * reference.shape (x, heldStart + i);
                ASSERT_FLOAT_EQ (voices.buffers[0][i], expected) << "sample " << start + i;
            }
            heldStart += 100;
        }
        start += 100;
    }
}

TEST (DistortionAlgorithms, RoundingFromTruncationIsTheLibraryRoundForEveryKindOfValue)
{
    const float special[] = { 0.0f,
                              -0.0f,
                              0.5f,
                              -0.5f,
                              1.5f,
                              -1.5f,
                              2.5f,
                              -2.5f,
                              0.49999997f,
                              -0.49999997f,
                              8388607.5f,
                              8388608.0f,
                              1.0e30f,
                              -1.0e30f,
                              1.0e-40f,
                              -1.0e-40f,
                              std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity() };
    for (const auto x : special)
    {
        const auto expected = std::round (x);
        const auto actual = cvl::roundHalfAwayFromZero (x);
        EXPECT_EQ (std::bit_cast<std::uint32_t> (actual), std::bit_cast<std::uint32_t> (expected)) << x;
    }
    EXPECT_TRUE (std::isnan (cvl::roundHalfAwayFromZero (std::numeric_limits<float>::quiet_NaN())));
    // From -70 to 70 in steps of 2^-12, the range the crusher's levels reach.
    for (auto x = -70.0f; x <= 70.0f; x += 1.0f / 4096.0f)
        ASSERT_EQ (std::bit_cast<std::uint32_t> (cvl::roundHalfAwayFromZero (x)),
                   std::bit_cast<std::uint32_t> (std::round (x)))
            << x;
}
