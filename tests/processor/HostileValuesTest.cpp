#include "support/ProcessorHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace cvl::test
{
namespace
{
    constexpr int warmUpSamples = 512;
    constexpr juce::int64 renderedSamples = 12000;

    float noise (int channel, juce::int64 n)
    {
        // A fixed pseudo-random signal, the same for every processor in a comparison.
        auto x = static_cast<juce::uint32> (n * 2654435761u + static_cast<juce::uint32> (channel) * 40503u);
        x ^= x >> 13;
        x *= 0x5bd1e995u;
        x ^= x >> 15;
        return static_cast<float> (x & 0xffffu) / 65535.0f - 0.5f;
    }

    bool allFinite (const juce::AudioBuffer<float>& buffer)
    {
        for (int c = 0; c < buffer.getNumChannels(); ++c)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                if (! std::isfinite (buffer.getSample (c, i)))
                    return false;
        return true;
    }

    void expectSameSamples (const juce::AudioBuffer<float>& expected, const juce::AudioBuffer<float>& actual)
    {
        ASSERT_EQ (expected.getNumChannels(), actual.getNumChannels());
        ASSERT_EQ (expected.getNumSamples(), actual.getNumSamples());
        for (int c = 0; c < expected.getNumChannels(); ++c)
            for (int i = 0; i < expected.getNumSamples(); ++i)
                ASSERT_EQ (expected.getSample (c, i), actual.getSample (c, i))
                    << "channel " << c << ", sample " << i;
    }

    struct HostileCase
    {
        const char* label;
        float hostile;
        // The value the engine must act on instead; none means the parameter keeps its previous value.
        std::optional<float> equivalent;
    };

    const HostileCase hostileCases[] = {
        { "just above 1", 1.0001f, 1.0f },
        { "far above 1", 1.0e30f, 1.0f },
        { "just below 0", -0.0001f, 0.0f },
        { "far below 0", -1.0e30f, 0.0f },
        { "NaN", std::numeric_limits<float>::quiet_NaN(), std::nullopt },
        { "+infinity", std::numeric_limits<float>::infinity(), std::nullopt },
        { "-infinity", -std::numeric_limits<float>::infinity(), std::nullopt },
    };
} // namespace

// Every host-visible parameter set by the host to the case's value, against a twin set to the value the
// engine should use: the two must render the same, finite samples.
TEST (HostileValues, HostValuesOutsideTheRangeAreClampedAndNonFiniteOnesIgnored)
{
    for (const auto& c : hostileCases)
    {
        SCOPED_TRACE (c.label);
        ProcessorHarness hostile;
        ProcessorHarness reference;
        (void)hostile.process (warmUpSamples, noise);
        (void)reference.process (warmUpSamples, noise);

        for (auto* parameter : hostile.processor().getParameters())
            parameter->setValueNotifyingHost (c.hostile);
        if (c.equivalent.has_value())
            for (auto* parameter : reference.processor().getParameters())
                parameter->setValueNotifyingHost (*c.equivalent);

        const auto expected = reference.process (renderedSamples, noise);
        const auto actual = hostile.process (renderedSamples, noise);
        EXPECT_TRUE (allFinite (actual));
        expectSameSamples (expected, actual);
    }
}

// The same through a saved state (host project or preset file), which reaches internal parameters too.
TEST (HostileValues, StateValuesOutsideTheRangeAreClampedAndNonFiniteOnesIgnored)
{
    const auto document = [] (CorvaneAudioProcessor& processor, const juce::String& value)
    {
        juce::XmlElement root ("state");
        for (const auto& identifier : processor.getParameterIdList())
        {
            auto* param = root.createNewChildElement ("param");
            param->setAttribute ("id", identifier.toString());
            param->setAttribute ("val", value);
        }
        return root.toString();
    };
    const auto apply = [] (CorvaneAudioProcessor& processor, const juce::String& text)
    { processor.setStateInformation (text.toRawUTF8(), static_cast<int> (text.getNumBytesAsUTF8())); };

    struct StateCase
    {
        const char* hostile;
        // nullptr: the values stay as they were (also for a number that overflows a float)
        const char* equivalent;
    };
    const StateCase cases[] = { { "7.5", "1" },       { "-3", "0" },      { "1e30", "1" },
                                { "1e300", nullptr }, { "nan", nullptr }, { "inf", nullptr },
                                { "-inf", nullptr } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.hostile);
        ProcessorHarness hostile;
        ProcessorHarness reference;
        (void)hostile.process (warmUpSamples, noise);
        (void)reference.process (warmUpSamples, noise);

        apply (hostile.processor(), document (hostile.processor(), c.hostile));
        if (c.equivalent != nullptr)
            apply (reference.processor(), document (reference.processor(), c.equivalent));

        const auto expected = reference.process (renderedSamples, noise);
        const auto actual = hostile.process (renderedSamples, noise);
        EXPECT_TRUE (allFinite (actual));
        expectSameSamples (expected, actual);
    }
}
} // namespace cvl::test
