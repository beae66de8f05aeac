#include "modulation/LfoModulatorController.h"
#include "modulation/DirectorCallbacks.h"

#include <gtest/gtest.h>

using cvl::LfoModulator;
using cvl::LfoModulatorController;
using cvl::LfoShape;
using cvl::MonoModulatorId;
using cvl::MonoModulators;
using SyncType = cvl::TempoSyncUtility::Type;

namespace
{
// LFO 3 and its controller as the processor holds them, after the first dispatch has handed every
// parameter its default.
struct LfoFixture
{
    cvl::ParameterDirector director;
    LfoModulator lfo;
    LfoModulatorController controller{ director, LfoModulatorController::ParameterIds (3), lfo };
    MonoModulators::ValueTable mono{};

    LfoFixture()
    {
        lfo.setSampleRate (48000.0);
        set ("Frequency_Lfo3", 0.0f);
        set ("Scale_Lfo3", 1.0f);
        set ("Enable_Lfo3", 1.0f);
        set ("Shape_Lfo3", 0.0f);
    }

    void set (const juce::String& id, float value) { cvl::test::callChange (director, id, value); }

    // One sub-block as the processor runs it: the modulated rate and scale, then the phase.
    void subBlock (int samples = 480, double startBeat = 0.0)
    {
        controller.applyModulators (mono);
        lfo.advance (samples, startBeat);
    }
};

// The free rate of a normalised control position v, from its definition: 5 Hz times v to the power
// 1 / log10 2.
double referenceHz (double v) { return 5.0 * std::pow (v, 1.0 / std::log10 (2.0)); }
} // namespace

TEST (LfoModulatorController, IdentifiersNameTheLfo)
{
    const LfoModulatorController::ParameterIds ids (4);
    EXPECT_EQ (ids.enable.toIdentifier().toString(), "Enable_Lfo4");
    EXPECT_EQ (ids.shape.toIdentifier().toString(), "Shape_Lfo4");
    EXPECT_EQ (ids.syncType.toIdentifier().toString(), "SyncType_Lfo4");
    EXPECT_EQ (ids.frequency.toIdentifier().toString(), "Frequency_Lfo4");
    EXPECT_EQ (ids.scale.toIdentifier().toString(), "Scale_Lfo4");
    EXPECT_EQ (ids.frequency.name, "Frequency");
    EXPECT_EQ (ids.frequency.modClass, "Lfo4");
    EXPECT_TRUE (ids.frequency.modulator.isEmpty());
}

TEST (LfoModulatorController, FrequencySetsTheFreeRateAndTheNoteLength)
{
    // u is the modulated Frequency in -1 ... 1; v = (u + 1) / 2 is its position on the control.
    struct Case
    {
        float u;
        std::size_t lengthIndex;
    };
    const Case cases[] = { { -1.0f, 0 }, { -0.8f, 0 }, { -0.5f, 2 }, { -0.1f, 4 }, { 0.0f, 4 },
                           { 0.3f, 5 },  { 0.4f, 6 },  { 0.55f, 6 }, { 0.9f, 8 },  { 1.0f, 9 } };
    for (const auto& c : cases)
    {
        LfoFixture f;
        f.set ("Frequency_Lfo3", c.u);
        f.controller.applyModulators (f.mono);
        const auto v = (static_cast<double> (c.u) + 1.0) / 2.0;
        EXPECT_NEAR (f.lfo.getFrequency(), referenceHz (v), 1e-5 * (1.0 + referenceHz (v))) << "u = " << c.u;
        EXPECT_EQ (f.lfo.getLengthIndex(), c.lengthIndex) << "u = " << c.u;
    }
}

TEST (LfoModulatorController, CentreFrequencyIsHalfAHertzOrAHalfNoteOrItsTriplet)
{
    LfoFixture f;
    f.subBlock();
    EXPECT_NEAR (f.lfo.getFrequency(), 0.5f, 1e-5f);
    EXPECT_EQ (cvl::TempoSyncUtility::LengthToString (
                   static_cast<cvl::TempoSyncUtility::Length> (f.lfo.getLengthIndex())),
               "1/2");

    f.set ("SyncType_Lfo3", static_cast<float> (SyncType::Triplet));
    f.subBlock (480, 1.0);
    EXPECT_EQ (f.lfo.getLengthIndex(), 5u);
    EXPECT_EQ (cvl::TempoSyncUtility::LengthToString (cvl::TempoSyncUtility::Length::Third), "1/3");

    // The top of the range is 5 Hz and the shortest note, which a straight sync turns into 1/8.
    f.set ("Frequency_Lfo3", 1.0f);
    f.set ("SyncType_Lfo3", static_cast<float> (SyncType::Standard));
    f.subBlock (480, 1.0);
    EXPECT_NEAR (f.lfo.getFrequency(), 5.0f, 1e-5f);
    EXPECT_EQ (f.lfo.getLengthIndex(), 8u);
}

TEST (LfoModulatorController, ScaleMapsFromTheBipolarControl)
{
    const std::pair<float, float> cases[] = {
        { 1.0f, 1.0f }, { 0.0f, 0.5f }, { -1.0f, 0.0f }, { 0.5f, 0.75f }
    };
    for (const auto& [u, expected] : cases)
    {
        LfoFixture f;
        f.set ("Scale_Lfo3", u);
        f.controller.applyModulators (f.mono);
        EXPECT_FLOAT_EQ (f.lfo.getScale(), expected) << "u = " << u;
    }
}

TEST (LfoModulatorController, LowestFrequencyHoldsThePhaseAtZeroAndTheShapeAtItsStart)
{
    for (const auto& [shape, name] : cvl::ParameterHelpers::idNames<LfoShape>)
    {
        LfoFixture f;
        f.set ("Shape_Lfo3", static_cast<float> (shape));
        f.set ("SyncType_Lfo3", 0.0f); // a random phase to start from
        f.set ("Frequency_Lfo3", -1.0f);
        for (int block = 0; block < 20; ++block)
        {
            f.subBlock();
            ASSERT_EQ (f.lfo.getFrequency(), 0.0f) << name;
            ASSERT_EQ (f.lfo.getPhase(), 0.0) << name;
        }
        // The curved shapes come from fast approximations, which land within 1e-4 of 0 and -1.
        EXPECT_NEAR (f.lfo.getValue(), shape == LfoShape::Sine ? 0.0f : -1.0f, 1e-4f) << name;
    }
}

TEST (LfoModulatorController, ASyncTypeChangeStartsFromANewRandomPhase)
{
    LfoFixture f;
    std::vector<double> phases;
    for (int change = 0; change < 64; ++change)
    {
        f.set ("SyncType_Lfo3", static_cast<float> (change % 3));
        EXPECT_EQ (f.lfo.getSyncType(), static_cast<SyncType> (change % 3));
        phases.push_back (f.lfo.getPhase());
        ASSERT_GE (phases.back(), 0.0);
        ASSERT_LT (phases.back(), 1.0);
    }
    // Uniform in 0 ... 1: spread over the whole cycle, with no two draws alike.
    std::sort (phases.begin(), phases.end());
    EXPECT_EQ (std::adjacent_find (phases.begin(), phases.end()), phases.end());
    EXPECT_LT (phases.front(), 0.25);
    EXPECT_GT (phases.back(), 0.75);

    // A free LFO carries on from the drawn phase.
    f.set ("SyncType_Lfo3", 0.0f);
    const auto drawn = f.lfo.getPhase();
    f.subBlock (4800);
    auto expected = drawn + 0.5 * 4800.0 / 48000.0;
    expected -= std::floor (expected);
    EXPECT_NEAR (f.lfo.getPhase(), expected, 1e-6); // the centre rate is 0.5 Hz to float precision
}

TEST (LfoModulatorController, TwoLfosDrawDifferentPhases)
{
    LfoFixture a, b;
    std::vector<double> fromA, fromB;
    for (int change = 0; change < 8; ++change)
    {
        a.set ("SyncType_Lfo3", 1.0f);
        b.set ("SyncType_Lfo3", 1.0f);
        fromA.push_back (a.lfo.getPhase());
        fromB.push_back (b.lfo.getPhase());
    }
    EXPECT_NE (fromA, fromB);
}

TEST (LfoModulatorController, EnableAndShapeTakeTheNearestSetting)
{
    LfoFixture f;
    f.set ("Enable_Lfo3", 0.0f);
    EXPECT_FALSE (f.lfo.isEnabled());
    f.set ("Enable_Lfo3", 0.5f);
    EXPECT_TRUE (f.lfo.isEnabled());
    f.set ("Enable_Lfo3", 0.49f);
    EXPECT_FALSE (f.lfo.isEnabled());
    f.set ("Enable_Lfo3", 1.0f);
    EXPECT_TRUE (f.lfo.isEnabled());

    const std::pair<float, int> shapes[] = { { 2.4f, 2 }, { 2.5f, 3 }, { 4.6f, 5 }, { 0.0f, 0 } };
    for (const auto& [value, shape] : shapes)
    {
        f.set ("Shape_Lfo3", value);
        EXPECT_EQ (f.lfo.getShape(), shape) << value;
    }
}

TEST (LfoModulatorController, MacrosAndLfosModulateRateAndScale)
{
    LfoFixture f;
    f.set ("Frequency_Lfo3_Macro2", 0.5f);
    f.set ("Scale_Lfo3_Lfo3", -1.0f); // its own output, from the same table
    f.mono[MonoModulators::index (MonoModulatorId::Macro2)] = 1.0f;
    f.mono[MonoModulators::index (MonoModulatorId::Lfo3)] = 0.6f;
    f.controller.applyModulators (f.mono);
    EXPECT_NEAR (f.lfo.getFrequency(), referenceHz (0.75), 1e-5); // u = 0.5
    EXPECT_FLOAT_EQ (f.lfo.getScale(), 0.7f);                     // u = 1 - 0.6

    // A disabled LFO's zero output modulates nothing.
    f.mono[MonoModulators::index (MonoModulatorId::Lfo3)] = 0.0f;
    f.controller.applyModulators (f.mono);
    EXPECT_FLOAT_EQ (f.lfo.getScale(), 1.0f);
}
