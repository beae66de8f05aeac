#include "HostedPlugin.h"
#include "ExpectedParameters.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <set>
#include <thread>

namespace cvl::validation
{
namespace
{
    constexpr double defaultRate = 48000.0;
    constexpr int defaultBlock = 512;
    constexpr int stereo = 2;

    class HostedPluginTest : public ::testing::TestWithParam<PluginFormat>
    {
    protected:
        [[nodiscard]] std::unique_ptr<juce::AudioPluginInstance> create (double rate = defaultRate,
                                                                         int block = defaultBlock) const
        {
            auto instance = HostedPlugin::create (GetParam(), rate, block);
            instance->enableAllBuses();
            return instance;
        }

        static std::unique_ptr<juce::AudioPluginInstance>
        prepared (std::unique_ptr<juce::AudioPluginInstance> instance, double rate, int block)
        {
            // Only prepareToPlay: JUCE's VST3 instance skips a prepare whose rate and size it already
            // reports, so setting them first would leave the plug-in prepared for the old block size.
            instance->prepareToPlay (rate, block);
            return instance;
        }

        static host::BlockSizes fixed (int size)
        {
            return [size] (int) { return size; };
        }
    };

    // The identifier a host stores for a parameter, as each wrapper derives it from ours: the VST3 wrapper
    // sends a 31-bit hash of the text, the LV2 bundle names each parameter by a URI under the plug-in's
    // (which JUCE's LV2 host reports with a "des:" prefix).
    juce::String hostIdentifier (PluginFormat format, const juce::String& identifier)
    {
        if (format == PluginFormat::vst3)
            return juce::String (static_cast<juce::uint32> (identifier.hashCode()) & 0x7fffffffu);
        return "des:" + juce::String (CORVANE_LV2_URI) + ":" + identifier;
    }

    TEST_P (HostedPluginTest, DescribesItselfAsAStereoEffectWithoutMidi)
    {
        const auto description = HostedPlugin::describe (GetParam());
        EXPECT_EQ (description.name, "Corvane");
        EXPECT_EQ (description.manufacturerName, "Halvik Audio");
        EXPECT_FALSE (description.isInstrument);
        EXPECT_EQ (description.numInputChannels, stereo);
        EXPECT_EQ (description.numOutputChannels, stereo);

        const auto instance = create();
        EXPECT_EQ (instance->getName(), "Corvane");
        EXPECT_FALSE (instance->acceptsMidi());
        EXPECT_FALSE (instance->producesMidi());
        EXPECT_EQ (instance->getTailLengthSeconds(), 0.0);
        EXPECT_NE (instance->getBypassParameter(), nullptr);
    }

    // The parameters a host lists for the plug-in proper. JUCE's LV2 host puts first its own bypass for the
    // bundle's "enabled" port, which the LV2 wrapper adds and maps onto our Bypass parameter.
    std::vector<juce::HostedAudioProcessorParameter*> pluginParameters (PluginFormat format,
                                                                        juce::AudioPluginInstance& instance)
    {
        std::vector<juce::HostedAudioProcessorParameter*> result;
        for (auto* parameter : instance.getParameters())
            result.push_back (dynamic_cast<juce::HostedAudioProcessorParameter*> (parameter));
        if (format == PluginFormat::lv2 && ! result.empty() &&
            result.front() == instance.getBypassParameter())
            result.erase (result.begin());
        return result;
    }

    TEST_P (HostedPluginTest, NamesEveryParameterByItsStoredIdentifier)
    {
        const auto format = GetParam();
        std::map<juce::String, const ExpectedParameter*> byHostIdentifier;
        for (const auto& expected : expectedHostParameters())
            byHostIdentifier[hostIdentifier (format, expected.identifier)] = &expected;

        const auto instance = create();
        const auto parameters = pluginParameters (format, *instance);
        ASSERT_FALSE (parameters.empty());
        std::set<juce::String> seen;
        for (const auto* parameter : parameters)
        {
            ASSERT_NE (parameter, nullptr);
            const auto found = byHostIdentifier.find (parameter->getParameterID());
            ASSERT_NE (found, byHostIdentifier.end())
                << parameter->getParameterID() << " is not a known identifier";
            EXPECT_EQ (parameter->getName (1024), found->second->name) << found->second->identifier;
            EXPECT_TRUE (seen.insert (found->second->identifier).second)
                << found->second->identifier << " twice";
        }
        EXPECT_EQ (seen.count ("Bypass"), 1u);
    }

    // The full list of host-visible parameters (count, identifiers, names, host order) against the table in
    // ExpectedParameters.cpp. It passes once every owner of a parameter is built into the processor.
    TEST_P (HostedPluginTest, ExposesTheFullParameterListInHostOrder)
    {
        const auto format = GetParam();
        auto expected = expectedHostParameters();
        ASSERT_EQ (expected.size(), 139u);

        // LV2 hosts list the parameters of a bundle sorted by URI; VST3 keeps the plug-in's order.
        if (format == PluginFormat::lv2)
            std::sort (
                expected.begin(), expected.end(),
                [format] (const auto& a, const auto& b)
                { return hostIdentifier (format, a.identifier) < hostIdentifier (format, b.identifier); });

        const auto instance = create();
        const auto parameters = pluginParameters (format, *instance);
        ASSERT_EQ (parameters.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
        {
            ASSERT_NE (parameters[i], nullptr);
            SCOPED_TRACE ("host index " + std::to_string (i) + ", " + expected[i].identifier.toStdString());
            EXPECT_EQ (parameters[i]->getParameterID(), hostIdentifier (format, expected[i].identifier));
            EXPECT_EQ (parameters[i]->getName (1024), expected[i].name);
        }
    }

    TEST_P (HostedPluginTest, RendersFiniteSoundAtEveryCommonSampleRate)
    {
        for (const auto rate : { 22050.0, 44100.0, 48000.0, 96000.0, 192000.0 })
        {
            SCOPED_TRACE ("sample rate " + std::to_string (rate));
            const auto instance = prepared (create (rate), rate, defaultBlock);
            const auto seconds = 0.25;
            const auto output = host::render (
                *instance, host::sine (stereo, (int)(rate * seconds), 440.0, rate), fixed (defaultBlock));
            EXPECT_TRUE (host::allFinite (output));
            EXPECT_GT (host::peak (output), 0.01f);
            instance->releaseResources();
        }
    }

    TEST_P (HostedPluginTest, RendersFiniteSoundAtEveryBlockSizeAndAtOneThatChangesEveryCall)
    {
        struct Case
        {
            const char* label;
            int largest;
            host::BlockSizes sizes;
        };
        // Sizes that change every call: a repeating walk over awkward lengths up to the prepared maximum.
        const auto changing = [] (int index)
        {
            static constexpr int walk[] = { 1, 511, 7, 512, 64, 0, 300, 2, 129 };
            return walk[static_cast<std::size_t> (index) % std::size (walk)];
        };
        const Case cases[] = {
            { "1", 1, fixed (1) },         { "16", 16, fixed (16) },    { "64", 64, fixed (64) },
            { "441", 441, fixed (441) },   { "512", 512, fixed (512) }, { "4096", 4096, fixed (4096) },
            { "changing", 512, changing },
        };
        for (const auto& c : cases)
        {
            SCOPED_TRACE (std::string ("block size ") + c.label);
            const auto instance = prepared (create (defaultRate, c.largest), defaultRate, c.largest);
            const auto output =
                host::render (*instance, host::sine (stereo, 12000, 440.0, defaultRate), c.sizes);
            EXPECT_TRUE (host::allFinite (output));
            EXPECT_GT (host::peak (output), 0.01f);
        }
    }

    TEST_P (HostedPluginTest, PreparedTwiceWithoutReleaseRendersLikePreparedOnce)
    {
        const auto input = host::noise (stereo, 20000, 7);

        const auto once = prepared (create(), defaultRate, defaultBlock);
        const auto expected = host::render (*once, input, fixed (defaultBlock));

        auto twice = create();
        twice->prepareToPlay (96000.0, 64);
        twice = prepared (std::move (twice), defaultRate, defaultBlock);
        const auto actual = host::render (*twice, input, fixed (defaultBlock));

        EXPECT_TRUE (host::allFinite (actual));
        EXPECT_LE (host::largestDifference (expected, actual), 1.0e-6f);
    }

    TEST_P (HostedPluginTest, AcceptsMonoAndStereoAndRefusesTwelveChannels)
    {
        const auto format = GetParam();
        struct Case
        {
            const char* label;
            juce::AudioChannelSet set;
            bool accepted;
        };
        const Case cases[] = {
            { "stereo", juce::AudioChannelSet::stereo(), true },
            { "mono", juce::AudioChannelSet::mono(), true },
            { "7.1.4 (12 channels)", juce::AudioChannelSet::create7point1point4(), false },
        };
        for (const auto& c : cases)
        {
            SCOPED_TRACE (c.label);
            // An LV2 bundle describes a fixed set of ports, so an LV2 host cannot ask for another layout.
            if (format == PluginFormat::lv2 && c.set != juce::AudioChannelSet::stereo())
            {
                auto instance = create();
                EXPECT_FALSE (instance->setBusesLayout ({ { c.set }, { c.set } }));
                continue;
            }
            auto instance = create();
            ASSERT_EQ (instance->setBusesLayout ({ { c.set }, { c.set } }), c.accepted);
            if (! c.accepted)
                continue;
            instance = prepared (std::move (instance), defaultRate, defaultBlock);
            EXPECT_EQ (instance->getTotalNumInputChannels(), c.set.size());
            const auto output = host::render (*instance, host::sine (c.set.size(), 8000, 440.0, defaultRate),
                                              fixed (defaultBlock));
            EXPECT_EQ (output.getNumChannels(), c.set.size());
            EXPECT_TRUE (host::allFinite (output));
            EXPECT_GT (host::peak (output), 0.01f);
        }
    }

    TEST_P (HostedPluginTest, TurnsSilenceIntoFiniteOutput)
    {
        const auto instance = prepared (create(), defaultRate, defaultBlock);
        juce::AudioBuffer<float> silence (stereo, 48000);
        silence.clear();
        const auto output = host::render (*instance, silence, fixed (defaultBlock));
        EXPECT_TRUE (host::allFinite (output));
        EXPECT_LT (host::peak (output), 1.0f);
    }

    TEST_P (HostedPluginTest, StaysFiniteWithRandomParameterValuesEveryBlock)
    {
        constexpr int blocks = 3000;
        constexpr int block = 64;
        const auto instance = prepared (create (defaultRate, block), defaultRate, block);
        std::mt19937 random (2024);
        const auto output = host::render (*instance, host::noise (stereo, blocks * block, 3), fixed (block),
                                          [&] (int) {
                                              host::randomiseParameters (*instance, random, { true, false });
                                          });
        EXPECT_TRUE (host::allFinite (output));
    }

    TEST_P (HostedPluginTest, StateSavedFromOneInstanceRestoresInAnotherAndRendersTheSame)
    {
        const auto input = host::noise (stereo, 24000, 11);
        juce::AudioBuffer<float> silentBlock (stereo, defaultBlock);
        silentBlock.clear();

        const auto source = prepared (create(), defaultRate, defaultBlock);
        std::mt19937 random (99);
        host::randomiseParameters (*source, random, { false, true });
        // Hosts deliver parameter changes with the next block; both instances process one silent block
        // with the new values before the comparison starts.
        host::render (*source, silentBlock, fixed (defaultBlock));
        juce::MemoryBlock state;
        source->getStateInformation (state);
        ASSERT_GT (state.getSize(), 0u);

        const auto restored = prepared (create(), defaultRate, defaultBlock);
        restored->setStateInformation (state.getData(), static_cast<int> (state.getSize()));
        host::render (*restored, silentBlock, fixed (defaultBlock));

        for (int i = 0; i < source->getParameters().size(); ++i)
            EXPECT_FLOAT_EQ (restored->getParameters()[i]->getValue(), source->getParameters()[i]->getValue())
                << source->getParameters()[i]->getName (64);

        const auto expected = host::render (*source, input, fixed (defaultBlock));
        const auto actual = host::render (*restored, input, fixed (defaultBlock));
        EXPECT_TRUE (host::allFinite (actual));
        EXPECT_LE (host::largestDifference (expected, actual), 1.0e-6f);
    }

    TEST_P (HostedPluginTest, OpensAndClosesTheEditorWhileAudioRunsOnAnotherThread)
    {
        // JUCE's LV2 host embeds the plug-in's X11 window as soon as it builds the editor, so that needs a
        // display; a VST3 view builds the plug-in's editor without one.
        if (GetParam() == PluginFormat::lv2)
            GTEST_SKIP() << "the LV2 editor cannot be built without a display";

        constexpr int openings = 20;
        const auto instance = prepared (create(), defaultRate, defaultBlock);
        ASSERT_TRUE (instance->hasEditor());

        std::atomic<bool> running{ true };
        std::atomic<int> processed{ 0 };
        std::atomic<bool> finite{ true };
        std::thread audio (
            [&]
            {
                juce::AudioBuffer<float> block (stereo, defaultBlock);
                juce::MidiBuffer midi;
                const auto input = host::sine (stereo, defaultBlock, 440.0, defaultRate);
                while (running.load())
                {
                    block.makeCopyOf (input, true);
                    instance->processBlock (block, midi);
                    finite = finite.load() && host::allFinite (block);
                    ++processed;
                }
            });

        int created = 0;
        for (int i = 0; i < openings; ++i)
        {
            std::unique_ptr<juce::AudioProcessorEditor> editor (instance->createEditor());
            if (editor == nullptr)
                continue;
            ++created;
            editor->setSize (editor->getWidth(), editor->getHeight());
            juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
            instance->editorBeingDeleted (editor.get());
            editor.reset();
            juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
        }
        running = false;
        audio.join();

        EXPECT_EQ (created, openings);
        EXPECT_GT (processed.load(), 0);
        EXPECT_TRUE (finite.load());
    }

    INSTANTIATE_TEST_SUITE_P (Formats, HostedPluginTest,
                              ::testing::Values (PluginFormat::vst3, PluginFormat::lv2),
                              [] (const auto& testInfo) { return std::string (toString (testInfo.param)); });
} // namespace
} // namespace cvl::validation
