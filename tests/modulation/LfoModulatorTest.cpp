#include "modulation/LfoModulator.h"

#include <gtest/gtest.h>

using cvl::LfoModulator;
using cvl::LfoShape;
using SyncType = cvl::TempoSyncUtility::Type;

namespace
{
constexpr double pi = juce::MathConstants<double>::pi;

// One cycle of each shape from its definition, before scaling: every shape but the sine starts at -1,
// the sine starts at 0 and falls first.
double referenceShape (LfoShape shape, double p)
{
    switch (shape)
    {
        case LfoShape::Sine:
            return -std::sin (2.0 * pi * p);
        case LfoShape::Cosine:
            return -std::cos (2.0 * pi * p);
        case LfoShape::Bounce:
            return 2.0 * std::sin (pi * p) - 1.0;
        case LfoShape::Square:
            return p < 0.5 ? -1.0 : 1.0;
        case LfoShape::Saw:
            return 2.0 * p - 1.0;
        case LfoShape::Triangle:
            return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    }
    return 0.0;
}

// The curved shapes run on fast single-precision approximations of sine and cosine; the straight
// ones are exact up to float rounding of the phase.
double shapeTolerance (LfoShape shape)
{
    switch (shape)
    {
        case LfoShape::Sine:
        case LfoShape::Cosine:
        case LfoShape::Bounce:
            return 2e-4;
        case LfoShape::Square:
        case LfoShape::Saw:
        case LfoShape::Triangle:
            return 1e-6;
    }
    return 0.0;
}

LfoModulator makeLfo (LfoShape shape, float scale = 1.0f)
{
    LfoModulator lfo;
    lfo.setShape (static_cast<int> (shape));
    lfo.setScale (scale);
    return lfo;
}

// At phase 0 the approximations land within this of 0 and -1.
constexpr float startTolerance = 1e-4f;

// The free phase as a plain accumulator in double: add the cycles of each sub-block, keep the
// fractional part, and hold at 0 for a zero rate.
struct ReferenceFreePhase
{
    double phase = 0.0;
    void advance (double hz, int samples, double sampleRate)
    {
        if (hz == 0.0)
        {
            phase = 0.0;
            return;
        }
        phase += hz * samples / sampleRate;
        if (phase >= 1.0)
            phase -= std::floor (phase);
    }
};

// Straight lengths in beats, 2/1 down to 1/8; each triplet fits three notes into two straight ones.
double referenceLengthBeats (std::size_t index)
{
    const double straight[] = { 8.0, 4.0, 2.0, 1.0, 0.5 };
    const auto beats = straight[index / 2];
    return index % 2 == 0 ? beats : beats * 2.0 / 3.0;
}

// Where in the note the beat position lies, counted from the last note boundary at or before it.
double referenceTempoPhase (double beat, double lengthBeats)
{
    const auto notes = beat / lengthBeats;
    return notes - std::floor (notes);
}

// The distance between two phases on the circle, so that 0.9999999 and 0 count as neighbours.
double phaseDistance (double a, double b)
{
    const auto d = std::abs (a - b);
    return std::min (d, 1.0 - d);
}
} // namespace

TEST (LfoModulator, StartsEnabledAsAFreeSineAtPhaseZero)
{
    const LfoModulator lfo;
    EXPECT_TRUE (lfo.isEnabled());
    EXPECT_EQ (lfo.getScale(), 1.0f);
    EXPECT_EQ (lfo.getShape(), static_cast<int> (LfoShape::Sine));
    EXPECT_EQ (lfo.getSampleRate(), 0.0);
    EXPECT_EQ (lfo.getSyncType(), SyncType::Free);
    EXPECT_EQ (lfo.getLengthIndex(), 6u);
    EXPECT_EQ (lfo.getFrequency(), 0.25f);
    EXPECT_EQ (lfo.getPhase(), 0.0);
}

TEST (LfoModulator, EveryShapeFollowsItsDefinitionOverAPhaseSweep)
{
    constexpr int steps = 2000;
    for (const auto& [shape, name] : cvl::ParameterHelpers::idNames<LfoShape>)
        for (const auto scale : { 1.0f, 0.5f, 0.0f })
        {
            auto lfo = makeLfo (shape, scale);
            for (int i = 0; i < steps; ++i)
            {
                // Float phases, as the shapes see them, so that the square's edge falls on the same side.
                const auto p = static_cast<double> (static_cast<float> (i) / static_cast<float> (steps));
                lfo.setPhase (p);
                const auto expected = scale * referenceShape (shape, p);
                ASSERT_NEAR (lfo.getValue(), expected, shapeTolerance (shape) * scale + 1e-7)
                    << name << " scale " << scale << " at phase " << p;
            }
        }
}

TEST (LfoModulator, ShapesHaveTheirNamedPoints)
{
    struct Case
    {
        LfoShape shape;
        double phase;
        float expected;
        float tolerance;
    };
    const Case cases[] = {
        { LfoShape::Sine, 0.0, 0.0f, 1e-4f },    { LfoShape::Sine, 0.25, -1.0f, 2e-4f },
        { LfoShape::Sine, 0.75, 1.0f, 2e-4f },   { LfoShape::Cosine, 0.0, -1.0f, 2e-4f },
        { LfoShape::Cosine, 0.5, 1.0f, 2e-4f },  { LfoShape::Bounce, 0.0, -1.0f, 1e-4f },
        { LfoShape::Bounce, 0.5, 1.0f, 2e-4f },  { LfoShape::Square, 0.4999, -1.0f, 0.0f },
        { LfoShape::Square, 0.5, 1.0f, 0.0f },   { LfoShape::Saw, 0.0, -1.0f, 0.0f },
        { LfoShape::Saw, 0.75, 0.5f, 1e-7f },    { LfoShape::Triangle, 0.0, -1.0f, 0.0f },
        { LfoShape::Triangle, 0.5, 1.0f, 0.0f }, { LfoShape::Triangle, 0.75, 0.0f, 1e-7f },
    };
    for (const auto& c : cases)
    {
        auto lfo = makeLfo (c.shape);
        lfo.setPhase (c.phase);
        EXPECT_NEAR (lfo.getValue(), c.expected, c.tolerance)
            << cvl::ParameterHelpers::enumName (c.shape) << " at " << c.phase;
    }
}

TEST (LfoModulator, DisabledOrUnknownShapesGiveZero)
{
    auto lfo = makeLfo (LfoShape::Square);
    lfo.setPhase (0.7);
    lfo.setEnabled (false);
    EXPECT_EQ (lfo.getValue(), 0.0f);
    lfo.setEnabled (true);
    EXPECT_EQ (lfo.getValue(), 1.0f);
    for (const auto shape : { -1, 6, 42 })
    {
        lfo.setShape (shape);
        EXPECT_EQ (lfo.getValue(), 0.0f) << "shape " << shape;
    }
}

TEST (LfoModulator, FreePhaseAccumulatesOverManySubBlocksWithoutDrift)
{
    struct Case
    {
        float hz;
        double sampleRate;
    };
    const Case cases[] = {
        { 0.25f, 48000.0 }, { 4.8731f, 44100.0 }, { 0.0137f, 96000.0 }, { 5.0f, 22050.0 }
    };
    for (const auto& c : cases)
    {
        LfoModulator lfo;
        lfo.setSampleRate (c.sampleRate);
        lfo.setFrequency (c.hz);
        ReferenceFreePhase reference;
        juce::Random lengths (7);
        juce::int64 totalSamples = 0;
        for (int block = 0; block < 20000; ++block)
        {
            const auto n = 1 + lengths.nextInt (2048);
            lfo.advance (n, 1000.0 + block); // the beat position means nothing to a free LFO
            reference.advance (c.hz, n, c.sampleRate);
            totalSamples += n;
            ASSERT_GE (lfo.getPhase(), 0.0);
            ASSERT_LT (lfo.getPhase(), 1.0);
            ASSERT_NEAR (lfo.getPhase(), reference.phase, 1e-12) << c.hz << " Hz, block " << block;
        }
        // Against the closed form: all the cycles so far, of which only the fraction remains.
        const auto cycles = static_cast<double> (c.hz) * static_cast<double> (totalSamples) / c.sampleRate;
        EXPECT_LT (phaseDistance (lfo.getPhase(), cycles - std::floor (cycles)), 1e-9) << c.hz << " Hz";
    }
}

TEST (LfoModulator, AZeroFreeRateHoldsThePhaseAtZero)
{
    for (const auto& [shape, name] : cvl::ParameterHelpers::idNames<LfoShape>)
    {
        auto lfo = makeLfo (shape);
        lfo.setSampleRate (48000.0);
        lfo.setPhase (0.37);
        lfo.setFrequency (0.0f);
        for (int block = 0; block < 10; ++block)
        {
            lfo.advance (480, 0.0);
            EXPECT_EQ (lfo.getPhase(), 0.0) << name;
        }
        EXPECT_NEAR (lfo.getValue(), shape == LfoShape::Sine ? 0.0f : -1.0f, startTolerance) << name;
    }
}

TEST (LfoModulator, TempoLockedPhaseFollowsTheBeatAt120BpmForStraightAndTripletLengths)
{
    // 120 bpm at 48 kHz, sub-blocks of 480 samples: each starts 1/50 of a beat after the last, from
    // a host position that starts a little before the downbeat of bar 3.
    constexpr double sampleRate = 48000.0;
    constexpr double beatsPerSample = 120.0 / (60.0 * sampleRate);
    constexpr int subBlock = 480;
    constexpr double hostStart = 7.93;
    for (const auto type : { SyncType::Standard, SyncType::Triplet })
        for (std::size_t index = 0; index < cvl::TempoSyncUtility::lengthCount; ++index)
        {
            LfoModulator lfo;
            lfo.setSampleRate (sampleRate);
            lfo.setSyncType (static_cast<std::size_t> (type));
            // Either sync type may be handed a length of the other kind; it keeps to its own.
            const auto locked = type == SyncType::Standard ? (index / 2) * 2 : (index / 2) * 2 + 1;
            const auto lengthBeats = referenceLengthBeats (locked);
            for (int block = 0; block < 1200; ++block)
            {
                lfo.setLengthIndex (index);
                const auto startBeat = hostStart + block * subBlock * beatsPerSample;
                lfo.advance (subBlock, startBeat);
                ASSERT_EQ (lfo.getLengthIndex(), locked);
                ASSERT_LT (phaseDistance (lfo.getPhase(), referenceTempoPhase (startBeat, lengthBeats)), 1e-9)
                    << cvl::ParameterHelpers::enumName (type) << " index " << index << " beat " << startBeat;
            }
        }
}

TEST (LfoModulator, TempoLockedQuarterAt120BpmIsTheFractionOfTheBeat)
{
    LfoModulator lfo;
    lfo.setSampleRate (44100.0);
    lfo.setSyncType (static_cast<std::size_t> (SyncType::Standard));
    lfo.setLengthIndex (6);
    for (const auto beat : { 0.0, 0.25, 1.5, 3.999, 17.125 })
    {
        lfo.advance (512, beat);
        EXPECT_NEAR (lfo.getPhase(), beat - std::floor (beat), 1e-12) << beat;
    }
    // A bar of 1/1 at the same positions: a quarter of the way through per beat.
    lfo.setLengthIndex (2);
    lfo.advance (512, 5.0);
    EXPECT_NEAR (lfo.getPhase(), 0.25, 1e-12);
}

TEST (LfoModulator, TempoLockedPhaseIgnoresTheFreeRate)
{
    LfoModulator lfo;
    lfo.setSampleRate (48000.0);
    lfo.setSyncType (static_cast<std::size_t> (SyncType::Standard));
    lfo.setLengthIndex (6);
    lfo.setFrequency (0.0f); // would hold a free LFO at 0
    lfo.advance (480, 2.5);
    EXPECT_NEAR (lfo.getPhase(), 0.5, 1e-12);
    lfo.setFrequency (5.0f);
    lfo.advance (480, 2.5);
    EXPECT_NEAR (lfo.getPhase(), 0.5, 1e-12); // the same position gives the same phase
}

TEST (LfoModulator, ANonFiniteBeatPositionCountsAsNoPosition)
{
    // A host may report a broken transport (an infinite tempo makes the counted position infinite too);
    // the phase then rests at the start of the note, as without a play head, and stays usable.
    const double broken[] = { std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity() };
    for (const auto beat : broken)
    {
        auto lfo = makeLfo (LfoShape::Saw);
        lfo.setSampleRate (48000.0);
        lfo.setSyncType (static_cast<std::size_t> (SyncType::Triplet));
        lfo.advance (480, 2.25);
        lfo.advance (480, beat);
        EXPECT_EQ (lfo.getPhase(), 0.0) << beat;
        EXPECT_EQ (lfo.getValue(), -1.0f) << beat;

        // Set free again from there, it runs on as usual.
        lfo.setSyncType (static_cast<std::size_t> (SyncType::Free));
        lfo.setFrequency (1.0f);
        lfo.advance (4800, beat);
        EXPECT_NEAR (lfo.getPhase(), 0.1, 1e-12) << beat;
    }
}
