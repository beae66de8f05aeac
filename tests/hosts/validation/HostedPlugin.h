#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <functional>
#include <memory>
#include <random>

namespace cvl::validation
{
enum class PluginFormat
{
    vst3,
    lv2
};

[[nodiscard]] const char* toString (PluginFormat format) noexcept;

// Finds the built bundle of a format and instantiates it through JUCE's hosting classes only, as a host
// does: the plug-in runs from its own shared object, with its own copy of JUCE.
// Thread: message thread (the formats keep state that JUCE expects to use there).
class HostedPlugin
{
public:
    [[nodiscard]] static juce::PluginDescription describe (PluginFormat format);
    // Throws std::runtime_error with JUCE's message when the plug-in cannot be created.
    [[nodiscard]] static std::unique_ptr<juce::AudioPluginInstance> create (PluginFormat format,
                                                                            double sampleRate, int blockSize);
};

// Host-side processing helpers; none of them knows the plug-in's classes.
namespace host
{
    using BlockSizes = std::function<int (int blockIndex)>;

    // Channels a host buffer needs for the instance's current layout.
    [[nodiscard]] int bufferChannels (const juce::AudioProcessor& processor) noexcept;

    // Runs `input` through the prepared processor in blocks whose sizes come from `blockSizes` and returns
    // what the processor wrote (channels as the instance's layout needs; inputs beyond `input` are silent).
    // `beforeBlock` runs on the calling thread before each block, as a host applies automation.
    juce::AudioBuffer<float> render (juce::AudioProcessor& processor, const juce::AudioBuffer<float>& input,
                                     const BlockSizes& blockSizes,
                                     const std::function<void (int blockIndex)>& beforeBlock = {});

    [[nodiscard]] juce::AudioBuffer<float> noise (int channels, int samples, unsigned seed);
    [[nodiscard]] juce::AudioBuffer<float> sine (int channels, int samples, double frequency,
                                                 double sampleRate);

    [[nodiscard]] bool allFinite (const juce::AudioBuffer<float>& buffer) noexcept;
    [[nodiscard]] float peak (const juce::AudioBuffer<float>& buffer) noexcept;
    [[nodiscard]] float largestDifference (const juce::AudioBuffer<float>& a,
                                           const juce::AudioBuffer<float>& b) noexcept;

    struct RandomValues
    {
        // Whether the bypass switch takes part; when not, it is switched off.
        bool includeBypass = true;
        // Values in steps of 1/1000, which a saved state keeps exactly.
        bool quantised = false;
    };

    // Sets every host-visible parameter to a random normalised value.
    void randomiseParameters (juce::AudioProcessor& processor, std::mt19937& random, RandomValues options);
} // namespace host
} // namespace cvl::validation
