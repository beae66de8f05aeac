#include "HostedPlugin.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace cvl::validation
{
namespace
{
    const juce::String lv2Uri{ CORVANE_LV2_URI };

    // One format object per format for the whole run, as a host keeps its format manager; the LV2 one
    // builds a lilv world that the instances it creates refer to.
    juce::AudioPluginFormat& formatObject (PluginFormat format)
    {
        if (format == PluginFormat::vst3)
        {
            static juce::VST3PluginFormat vst3;
            return vst3;
        }
        static juce::LV2PluginFormat lv2;
        return lv2;
    }

    juce::String pluginIdentifier (PluginFormat format)
    {
        if (format == PluginFormat::vst3)
            return CORVANE_VST3_BUNDLE;

        // LV2 plug-ins are found by scanning a folder of bundles and named by URI.
        auto& lv2 = formatObject (format);
        const auto bundleFolder = juce::File (CORVANE_LV2_BUNDLE).getParentDirectory();
        const auto found =
            lv2.searchPathsForPlugins (juce::FileSearchPath (bundleFolder.getFullPathName()), true);
        if (! found.contains (lv2Uri))
            throw std::runtime_error ("the LV2 scan of " + bundleFolder.getFullPathName().toStdString() +
                                      " did not find " + lv2Uri.toStdString());
        return lv2Uri;
    }
} // namespace

const char* toString (PluginFormat format) noexcept { return format == PluginFormat::vst3 ? "Vst3" : "Lv2"; }

juce::PluginDescription HostedPlugin::describe (PluginFormat format)
{
    static std::map<PluginFormat, juce::PluginDescription> cache;
    if (const auto it = cache.find (format); it != cache.end())
        return it->second;

    juce::OwnedArray<juce::PluginDescription> types;
    formatObject (format).findAllTypesForFile (types, pluginIdentifier (format));
    if (types.size() != 1)
        throw std::runtime_error (std::string ("expected one plug-in in the ") + toString (format) +
                                  " bundle, found " + std::to_string (types.size()));
    return cache[format] = *types[0];
}

std::unique_ptr<juce::AudioPluginInstance> HostedPlugin::create (PluginFormat format, double sampleRate,
                                                                 int blockSize)
{
    juce::String error;
    auto instance =
        formatObject (format).createInstanceFromDescription (describe (format), sampleRate, blockSize, error);
    if (instance == nullptr)
        throw std::runtime_error ("could not create the plug-in: " + error.toStdString());
    return instance;
}

namespace host
{
    int bufferChannels (const juce::AudioProcessor& processor) noexcept
    {
        return std::max (processor.getTotalNumInputChannels(), processor.getTotalNumOutputChannels());
    }

    juce::AudioBuffer<float> render (juce::AudioProcessor& processor, const juce::AudioBuffer<float>& input,
                                     const BlockSizes& blockSizes,
                                     const std::function<void (int)>& beforeBlock)
    {
        const auto channels = bufferChannels (processor);
        const auto inputChannels = processor.getTotalNumInputChannels();
        const auto total = input.getNumSamples();
        juce::AudioBuffer<float> output (channels, total);
        output.clear();

        // The host's block buffer is allocated once at the largest size it will pass, as hosts do.
        int largest = 0;
        for (int position = 0, index = 0; position < total; ++index)
        {
            const auto size = std::max (1, blockSizes (index));
            largest = std::max (largest, size);
            position += size;
        }
        juce::AudioBuffer<float> block (channels, std::max (1, largest));
        juce::MidiBuffer midi;

        for (int position = 0, index = 0; position < total; ++index)
        {
            const auto size = std::min (std::max (1, blockSizes (index)), total - position);
            block.setSize (channels, size, false, false, true);
            block.clear();
            for (int channel = 0; channel < std::min ({ inputChannels, channels, input.getNumChannels() });
                 ++channel)
                block.copyFrom (channel, 0, input, channel, position, size);

            if (beforeBlock)
                beforeBlock (index);
            midi.clear();
            processor.processBlock (block, midi);

            for (int channel = 0; channel < channels; ++channel)
                output.copyFrom (channel, position, block, channel, 0, size);
            position += size;
        }
        return output;
    }

    juce::AudioBuffer<float> noise (int channels, int samples, unsigned seed)
    {
        std::mt19937 random (seed);
        std::uniform_real_distribution<float> uniform (-0.5f, 0.5f);
        juce::AudioBuffer<float> buffer (channels, samples);
        for (int channel = 0; channel < channels; ++channel)
            for (int i = 0; i < samples; ++i)
                buffer.setSample (channel, i, uniform (random));
        return buffer;
    }

    juce::AudioBuffer<float> sine (int channels, int samples, double frequency, double sampleRate)
    {
        constexpr double amplitude = 0.5;
        juce::AudioBuffer<float> buffer (channels, samples);
        for (int i = 0; i < samples; ++i)
        {
            const auto value = static_cast<float> (
                amplitude * std::sin (juce::MathConstants<double>::twoPi * frequency * i / sampleRate));
            for (int channel = 0; channel < channels; ++channel)
                buffer.setSample (channel, i, value);
        }
        return buffer;
    }

    bool allFinite (const juce::AudioBuffer<float>& buffer) noexcept
    {
        for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
        {
            const auto* data = buffer.getReadPointer (channel);
            if (! std::all_of (data, data + buffer.getNumSamples(),
                               [] (float x) { return std::isfinite (x); }))
                return false;
        }
        return true;
    }

    float peak (const juce::AudioBuffer<float>& buffer) noexcept
    {
        float result = 0.0f;
        for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
            result = std::max (result, buffer.getMagnitude (channel, 0, buffer.getNumSamples()));
        return result;
    }

    float largestDifference (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b) noexcept
    {
        if (a.getNumChannels() != b.getNumChannels() || a.getNumSamples() != b.getNumSamples())
            return std::numeric_limits<float>::infinity();
        float result = 0.0f;
        for (int channel = 0; channel < a.getNumChannels(); ++channel)
            for (int i = 0; i < a.getNumSamples(); ++i)
                result = std::max (result, std::abs (a.getSample (channel, i) - b.getSample (channel, i)));
        return result;
    }

    void randomiseParameters (juce::AudioProcessor& processor, std::mt19937& random, RandomValues options)
    {
        constexpr int quantisationSteps = 1000;
        std::uniform_real_distribution<float> uniform (0.0f, 1.0f);
        std::uniform_int_distribution<int> step (0, quantisationSteps);
        const auto* bypass = processor.getBypassParameter();
        for (auto* parameter : processor.getParameters())
        {
            if (parameter == bypass && ! options.includeBypass)
                parameter->setValueNotifyingHost (0.0f);
            else if (options.quantised)
                parameter->setValueNotifyingHost (static_cast<float> (step (random)) / quantisationSteps);
            else
                parameter->setValueNotifyingHost (uniform (random));
        }
    }
} // namespace host
} // namespace cvl::validation
