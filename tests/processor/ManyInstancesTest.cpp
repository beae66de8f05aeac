#include "support/ProcessorHarness.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

namespace cvl::test
{
namespace
{
    constexpr int instanceCount = 8;
    constexpr juce::int64 renderedSamples = 48000;

    float testSignal (int channel, juce::int64 n)
    {
        const auto t = static_cast<double> (n) / 48000.0;
        return static_cast<float> (
            0.4 * std::sin (juce::MathConstants<double>::twoPi * (220.0 + 110.0 * channel) * t) +
            0.1 * std::sin (juce::MathConstants<double>::twoPi * 3520.0 * t));
    }

    // The same non-default settings for every instance: host parameters at fixed random values, bypass off.
    void applySettings (CorvaneAudioProcessor& processor)
    {
        std::mt19937 random (77);
        std::uniform_real_distribution<float> uniform (0.0f, 1.0f);
        for (auto* parameter : processor.getParameters())
            parameter->setValueNotifyingHost (parameter == processor.getBypassParameter() ? 0.0f
                                                                                          : uniform (random));
    }

    juce::AudioBuffer<float> renderAlone()
    {
        ProcessorHarness harness;
        applySettings (harness.processor());
        return harness.process (renderedSamples, testSignal);
    }
} // namespace

// Instances share nothing mutable: eight of them built together and processed at the same time on
// eight threads each give exactly what one instance gives alone.
TEST (ManyInstances, EightInstancesOnEightThreadsRenderLikeOneAlone)
{
    const auto expected = renderAlone();

    std::vector<std::unique_ptr<ProcessorHarness>> harnesses;
    for (int i = 0; i < instanceCount; ++i)
    {
        harnesses.push_back (std::make_unique<ProcessorHarness>());
        applySettings (harnesses.back()->processor());
    }

    std::vector<juce::AudioBuffer<float>> outputs (instanceCount);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < harnesses.size(); ++i)
        threads.emplace_back ([&, i] { outputs[i] = harnesses[i]->process (renderedSamples, testSignal); });
    for (auto& thread : threads)
        thread.join();

    for (std::size_t i = 0; i < outputs.size(); ++i)
    {
        SCOPED_TRACE ("instance " + std::to_string (i));
        ASSERT_EQ (outputs[i].getNumSamples(), expected.getNumSamples());
        for (int c = 0; c < expected.getNumChannels(); ++c)
            for (int n = 0; n < expected.getNumSamples(); ++n)
                ASSERT_EQ (outputs[i].getSample (c, n), expected.getSample (c, n))
                    << "channel " << c << ", sample " << n;
    }
}
} // namespace cvl::test
