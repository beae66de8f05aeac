#include "models/MonoModulatorsModel.h"
#include "modulation/TransformReference.h"
#include "support/ProcessorHarness.h"
#include "support/TestPlayHead.h"

#include <gtest/gtest.h>

using cvl::MonoModulatorId;
using cvl::MonoModulators;
using cvl::PolyModulatorId;
using cvl::PolyModulators;
using cvl::test::ProcessorHarness;

namespace
{
// Normalised positions of the choices used here.
constexpr float sawShape = 4.0f / 5.0f;
constexpr float standardSync = 0.5f;
constexpr float tripletSync = 1.0f;
// Frequency u = 0.4, v = 0.7: the note length with index 6, a quarter note (its triplet is 1/6).
constexpr float quarterNoteFrequency = 0.7f;

// A processor at 48 kHz in blocks of 480 samples, every parameter at its default rather than the
// starter sound's, so that nothing moves unless a test moves it.
struct PublishingFixture
{
    ProcessorHarness harness;

    explicit PublishingFixture (int channels = 2) : harness (48000.0, 480, channels)
    {
        for (auto* parameter : processor().getParameterRegistry().getOrderedParameters())
            parameter->setValue (parameter->getDefaultValue());
    }

    CorvaneAudioProcessor& processor() { return harness.processor(); }
    void set (const juce::String& id, float normalised) { harness.set (id, normalised); }
    void openEditor() { ++processor().getOpenEditorCount(); }
    void closeEditor() { --processor().getOpenEditorCount(); }
    void process (int blocks = 1) { harness.process (480 * blocks, ProcessorHarness::silence); }

    MonoModulators::ValueTable mono()
    {
        MonoModulators::ValueTable table{};
        processor().fillMonoModulationValueTable (table);
        return table;
    }
    PolyModulators::ValueTable transformed()
    {
        PolyModulators::ValueTable table{};
        for (const auto& [id, name] : PolyModulators::IdNameArray)
            processor().fillTransformedPolyModulationValueTable (table, id);
        return table;
    }
    PolyModulators::ValueTable initial()
    {
        PolyModulators::ValueTable table{};
        for (const auto& [id, name] : PolyModulators::IdNameArray)
            processor().fillInitialPolyModulationValueTable (table, id);
        return table;
    }

    // LFO 1 as a saw at full scale, so that its output shows its phase: 2p - 1.
    void sawOnLfo1 (float syncType, float frequency)
    {
        set ("Shape_Lfo1", sawShape);
        set ("SyncType_Lfo1", syncType);
        set ("Frequency_Lfo1", frequency);
    }
    float lfo1() { return mono()[MonoModulators::index (MonoModulatorId::Lfo1)]; }
};

bool allZero (const PolyModulators::ValueTable& table)
{
    for (const auto& row : table)
        for (const auto value : row)
            if (value != 0.0f)
                return false;
    return true;
}

double fraction (double x) { return x - std::floor (x); }
} // namespace

TEST (Publishing, WithAnEditorOpenTheMonoTableHoldsTheMacrosAndTheLfosOfTheLastSubBlock)
{
    PublishingFixture f;
    const float macros[] = { 0.9f, 0.25f, 0.5f, 0.0f }; // +0.8, -0.5, 0, -1
    for (int m = 0; m < 4; ++m)
        f.set ("Macro_" + juce::String (m + 1), macros[m]);
    f.sawOnLfo1 (0.0f, 1.0f);    // free at 5 Hz
    f.set ("Scale_Lfo2", 0.75f); // scale 0.75
    f.set ("Enable_Lfo3", 0.0f);
    f.openEditor();

    for (int block = 0; block < 40; ++block)
    {
        const auto phaseBefore = f.processor().getLfo (0).getPhase();
        const auto lfo2Before =
            0.75 * -std::sin (2.0 * juce::MathConstants<double>::pi * f.processor().getLfo (1).getPhase());
        f.process();
        const auto table = f.mono();
        EXPECT_FLOAT_EQ (table[0], 0.8f);
        EXPECT_FLOAT_EQ (table[1], -0.5f);
        EXPECT_FLOAT_EQ (table[2], 0.0f);
        EXPECT_FLOAT_EQ (table[3], -1.0f);
        if (block == 0)
            continue; // the first dispatch draws new phases before the block runs
        // The values a block uses are those of the phases the block before left.
        EXPECT_NEAR (table[4], 2.0 * phaseBefore - 1.0, 1e-6) << "block " << block;
        EXPECT_NEAR (table[5], lfo2Before, 2e-4) << "block " << block;
        EXPECT_EQ (table[6], 0.0f) << "a disabled LFO gives 0";
        // 5 Hz over 10 ms: the phase moves on by 0.05 every block.
        EXPECT_NEAR (fraction (f.processor().getLfo (0).getPhase() - phaseBefore), 0.05, 1e-6);
    }
}

TEST (Publishing, WithAnEditorOpenThePolyTablesHoldTheInitialAndTransformedPositions)
{
    PublishingFixture f;
    f.set ("VoiceCount", 3.0f / 15.0f);                 // 4 voices
    f.set ("Shape_VectorSpace2", 3.0f / 6.0f);          // Identity: the diagonal
    f.set ("Type_VectorSpace2Transform1", 1.0f / 7.0f); // Translate
    f.set ("X_VectorSpace2Transform1", 0.75f);          // +0.5
    f.set ("Y_VectorSpace2Transform1", 0.25f);          // -0.5
    f.openEditor();
    f.process();

    const auto initial = f.initial();
    const auto transformed = f.transformed();
    const cvl::test::ReferenceTransform translate{ cvl::Transform::Type::Translate, 0.5, -0.5 };
    for (std::size_t voice = 0; voice < 4; ++voice)
    {
        constexpr double twoPi = juce::MathConstants<double>::twoPi;
        const auto angle = twoPi * static_cast<double> (voice) / 4.0;
        const auto d = -1.0 + 2.0 * static_cast<double> (voice) / 3.0;
        // Spaces 1 and 3 keep the default circle, untransformed.
        for (const auto row : { PolyModulatorId::VectorSpace1X, PolyModulatorId::VectorSpace3X })
        {
            const auto r = PolyModulators::index (row);
            EXPECT_NEAR (initial[r][voice], std::sin (angle), 1e-5) << r << " voice " << voice;
            EXPECT_NEAR (initial[r + 1][voice], std::cos (angle), 1e-5) << r + 1 << " voice " << voice;
            EXPECT_EQ (transformed[r][voice], initial[r][voice]);
            EXPECT_EQ (transformed[r + 1][voice], initial[r + 1][voice]);
        }
        EXPECT_NEAR (initial[2][voice], d, 1e-6) << "voice " << voice;
        EXPECT_NEAR (initial[3][voice], d, 1e-6) << "voice " << voice;
        const auto moved = translate ({ d, d });
        EXPECT_NEAR (transformed[2][voice], std::clamp (moved.x, -1.0, 1.0), 1e-6) << "voice " << voice;
        EXPECT_NEAR (transformed[3][voice], std::clamp (moved.y, -1.0, 1.0), 1e-6) << "voice " << voice;
    }

    // Every column of every row comes across, the slots past the voice count included.
    const auto& spaces = f.processor().getVectorSpaces();
    for (std::size_t k = 0; k < 3; ++k)
        for (std::size_t voice = 0; voice < cvl::maxVoices; ++voice)
        {
            EXPECT_EQ (initial[2 * k][voice], spaces[k].initial.x[voice]);
            EXPECT_EQ (initial[2 * k + 1][voice], spaces[k].initial.y[voice]);
            EXPECT_EQ (transformed[2 * k][voice], spaces[k].transformed.x[voice]);
            EXPECT_EQ (transformed[2 * k + 1][voice], spaces[k].transformed.y[voice]);
        }
}

TEST (Publishing, FillingOneRowLeavesTheOthersAndUnknownRowsReadTheFirst)
{
    PublishingFixture f;
    f.openEditor();
    f.process();
    PolyModulators::ValueTable table{};
    for (auto& row : table)
        row.fill (7.0f);
    f.processor().fillTransformedPolyModulationValueTable (table, PolyModulatorId::VectorSpace2Y);
    const auto published = f.transformed();
    for (std::size_t r = 0; r < PolyModulators::Count; ++r)
        for (std::size_t voice = 0; voice < cvl::maxVoices; ++voice)
            EXPECT_EQ (table[r][voice], r == 3 ? published[3][voice] : 7.0f) << r;

    for (auto& row : table)
        row.fill (7.0f);
    f.processor().fillInitialPolyModulationValueTable (table, static_cast<PolyModulatorId> (17));
    const auto initial = f.initial();
    for (std::size_t r = 0; r < PolyModulators::Count; ++r)
        for (std::size_t voice = 0; voice < cvl::maxVoices; ++voice)
            EXPECT_EQ (table[r][voice], r == 0 ? initial[0][voice] : 7.0f) << r;
}

TEST (Publishing, WithoutAnEditorNothingIsPublished)
{
    PublishingFixture f;
    f.set ("Macro_1", 1.0f);
    f.sawOnLfo1 (0.0f, 1.0f);
    f.process (10);
    EXPECT_EQ (f.mono(), MonoModulators::ValueTable{});
    EXPECT_TRUE (allZero (f.initial()));
    EXPECT_TRUE (allZero (f.transformed()));
}

TEST (Publishing, AfterTheEditorClosesTheTablesKeepTheirLastValuesAndNoModelHearsAChange)
{
    PublishingFixture f;
    f.set ("Macro_1", 1.0f);
    f.sawOnLfo1 (0.0f, 1.0f);
    f.openEditor();
    f.process (3);
    f.closeEditor();
    const auto mono = f.mono();
    const auto initial = f.initial();
    const auto transformed = f.transformed();

    cvl::MonoModulatorsModel model (f.processor());
    model.timerCallback();
    struct Counter : juce::ValueTree::Listener
    {
        int changes = 0;
        void valueTreePropertyChanged (juce::ValueTree&, const juce::Identifier&) override { ++changes; }
    } counter;
    auto tree = model.getTree();
    tree.addListener (&counter);

    f.set ("Macro_1", 0.0f);
    f.set ("VoiceCount", 1.0f);
    f.set ("Shape_VectorSpace1", 1.0f);
    for (int block = 0; block < 10; ++block)
    {
        f.process();
        model.timerCallback();
    }
    EXPECT_EQ (counter.changes, 0);
    EXPECT_EQ (f.mono(), mono);
    EXPECT_EQ (f.initial(), initial);
    EXPECT_EQ (f.transformed(), transformed);
    EXPECT_NE (f.processor().getLfo (0).getPhase(), 0.0); // the LFO runs on unseen

    f.openEditor(); // and the next open editor sees the values again
    f.process();
    model.timerCallback();
    EXPECT_GT (counter.changes, 0);
    EXPECT_FLOAT_EQ (f.mono()[0], -1.0f);
    tree.removeListener (&counter);
}

TEST (Publishing, BypassFreezesTheModulatorsAndThePublishedTables)
{
    PublishingFixture f;
    f.sawOnLfo1 (0.0f, 1.0f);
    f.openEditor();
    f.process (5);
    f.set ("Bypass", 1.0f);
    f.process();
    const auto mono = f.mono();
    const auto initial = f.initial();
    const auto transformed = f.transformed();
    const auto phase = f.processor().getLfo (0).getPhase();

    f.set ("Macro_2", 1.0f);
    f.set ("VoiceCount", 1.0f);
    f.set ("Type_VectorSpace1Transform1", 1.0f / 7.0f);
    f.set ("X_VectorSpace1Transform1", 1.0f);
    for (int block = 0; block < 10; ++block)
    {
        f.process();
        EXPECT_EQ (f.mono(), mono);
        EXPECT_EQ (f.initial(), initial);
        EXPECT_EQ (f.transformed(), transformed);
        EXPECT_EQ (f.processor().getLfo (0).getPhase(), phase);
    }

    f.set ("Bypass", 0.0f);
    f.process (2);
    EXPECT_FLOAT_EQ (f.mono()[1], 1.0f);
    EXPECT_NE (f.mono()[4], mono[4]);
    EXPECT_NE (f.transformed(), transformed);
}

TEST (Publishing, AMonoBufferRunsTheFirstChannelsEffectsOnly)
{
    // Three prepared channels, so that no buffer here meets the limiter. A low-pass filter holds
    // the history of whatever ran through its channel.
    const auto configure = [] (PublishingFixture& f)
    {
        f.set ("ProcessorType1", 1.0f); // Filter
        f.set ("ProcessorType2", 0.0f);
        f.set ("ProcessorType3", 0.0f);
        f.set ("FilterCutoff0_Effect", 0.25f);
    };
    const auto signal = cvl::test::sine (440.0, 0.5f, 48000.0);
    const auto fill =
        [&] (juce::AudioBuffer<float>& buffer, const std::array<bool, 3>& withSignal, juce::int64 offset)
    {
        for (int c = 0; c < buffer.getNumChannels(); ++c)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                buffer.setSample (c, i,
                                  withSignal[static_cast<std::size_t> (c)] ? signal (c, offset + i) : 0.0f);
    };
    // Runs blocks of the given kind, then one three-channel block of signal, and returns that.
    const auto run = [&] (int blocksBefore, int channelsBefore, const std::array<bool, 3>& withSignal)
    {
        PublishingFixture f (3);
        configure (f);
        juce::AudioBuffer<float> before (channelsBefore, 480);
        for (int block = 0; block < blocksBefore; ++block)
        {
            fill (before, withSignal, 480 * block);
            f.harness.processBlock (before);
        }
        juce::AudioBuffer<float> last (3, 480);
        fill (last, { true, true, true }, 480 * 20); // the same samples for every run
        f.harness.processBlock (last);
        return last;
    };

    const auto mono = run (20, 1, { true, false, false });
    // Channel 0 has the same history either way; channels 1 and 2 are as if they had never run.
    const auto sameFirstChannel = run (20, 3, { true, false, false });
    const auto untouched = run (0, 3, { true, true, true });
    const auto allChannels = run (20, 3, { true, true, true });
    auto historyShows = false;
    for (int i = 0; i < 480; ++i)
    {
        ASSERT_EQ (mono.getSample (0, i), sameFirstChannel.getSample (0, i)) << "sample " << i;
        ASSERT_EQ (mono.getSample (0, i), allChannels.getSample (0, i)) << "sample " << i;
        for (int c = 1; c < 3; ++c)
        {
            ASSERT_EQ (mono.getSample (c, i), untouched.getSample (c, i))
                << "channel " << c << " sample " << i;
            historyShows = historyShows || mono.getSample (c, i) != allChannels.getSample (c, i);
        }
    }
    EXPECT_TRUE (historyShows) << "the filters kept no history to tell the channels apart";
}

TEST (Publishing, ATempoLockedLfoFollowsTheHostPlayHeadThroughProcessBlock)
{
    struct Case
    {
        const char* what;
        float syncType;
        double lengthBeats;
    };
    const Case cases[] = { { "quarter", standardSync, 1.0 }, { "quarter triplet", tripletSync, 2.0 / 3.0 } };
    for (const auto& c : cases)
    {
        PublishingFixture f;
        cvl::test::TestPlayHead playHead;
        playHead.bpm = 120.0;
        f.processor().setPlayHead (&playHead);
        f.sawOnLfo1 (c.syncType, quarterNoteFrequency);
        f.openEditor();

        // The host's transport starts just before bar 2 and moves 480 / 24000 of a beat per block.
        std::vector<double> positions;
        for (int block = 0; block < 200; ++block)
        {
            positions.push_back (3.9 + 0.02 * block);
            playHead.ppq = positions.back();
            f.process();
            const auto expected = fraction (positions.back() / c.lengthBeats);
            const auto phase = f.processor().getLfo (0).getPhase();
            ASSERT_LT (std::min (std::abs (phase - expected), 1.0 - std::abs (phase - expected)), 1e-9)
                << c.what << " block " << block;
            if (block > 0) // one block behind: the value comes from the phase the previous block left
            {
                ASSERT_NEAR (f.lfo1(), 2.0 * fraction (positions[positions.size() - 2] / c.lengthBeats) - 1.0,
                             1e-5)
                    << c.what << " block " << block;
            }
        }

        // A host that stops reporting its position: the processor counts the beats on by itself.
        playHead.ppq.reset();
        f.process();
        const auto counted = f.processor().getBeatPosition();
        f.process();
        EXPECT_NEAR (f.processor().getBeatPosition() - counted, 0.02, 1e-12);
        EXPECT_NEAR (f.processor().getLfo (0).getPhase(),
                     fraction (f.processor().getBeatPosition() / c.lengthBeats), 1e-9);
        f.processor().setPlayHead (nullptr);
    }
}

TEST (Publishing, WithoutAPlayHeadATempoLockedLfoStaysAtItsStart)
{
    PublishingFixture f;
    f.sawOnLfo1 (standardSync, quarterNoteFrequency);
    f.openEditor();
    for (int block = 0; block < 20; ++block)
    {
        f.process();
        EXPECT_EQ (f.processor().getLfo (0).getPhase(), 0.0);
        if (block > 0)
        {
            EXPECT_EQ (f.lfo1(), -1.0f);
        }
    }
}

TEST (Publishing, ABrokenHostTransportLeavesTheLfosAtTheirStartAndTheOutputFinite)
{
    struct Case
    {
        const char* what;
        std::optional<double> bpm, ppq;
    };
    const Case cases[] = {
        { "an infinite tempo", std::numeric_limits<double>::infinity(), std::nullopt },
        { "a position that is not a number", 120.0, std::numeric_limits<double>::quiet_NaN() },
        { "a tempo that is not a number", std::numeric_limits<double>::quiet_NaN(), std::nullopt },
    };
    for (const auto& c : cases)
    {
        PublishingFixture f;
        cvl::test::TestPlayHead playHead;
        f.processor().setPlayHead (&playHead);
        f.sawOnLfo1 (standardSync, quarterNoteFrequency);
        // LFO 1 moves the voices of vector space 1, which move every slot-1 delay time.
        f.set ("Type_VectorSpace1Transform1", 1.0f / 7.0f);
        f.set ("X_VectorSpace1Transform1_Lfo1", 1.0f);
        f.set ("DelayTime0_Effect_VectorSpace1X", 1.0f);
        f.openEditor();

        playHead.bpm = c.bpm;
        playHead.ppq = c.ppq;
        const auto output = f.harness.process (480 * 10, cvl::test::sine (220.0, 0.5f, 48000.0));
        EXPECT_EQ (f.processor().getLfo (0).getPhase(), 0.0) << c.what;
        EXPECT_EQ (f.lfo1(), -1.0f) << c.what;

        // A sane tempo again, still without a position: the LFO moves on from the position counted so far.
        playHead.bpm = 120.0;
        playHead.ppq.reset();
        const auto after = f.harness.process (480 * 10, cvl::test::sine (220.0, 0.5f, 48000.0));
        EXPECT_GE (f.processor().getLfo (0).getPhase(), 0.0) << c.what;
        EXPECT_LT (f.processor().getLfo (0).getPhase(), 1.0) << c.what;
        for (const auto* buffer : { &output, &after })
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < buffer->getNumSamples(); ++i)
                    ASSERT_TRUE (std::isfinite (buffer->getSample (ch, i))) << c.what << " sample " << i;
        for (const auto& row : f.transformed())
            for (const auto value : row)
                ASSERT_TRUE (std::isfinite (value)) << c.what;
        f.processor().setPlayHead (nullptr);
    }
}
