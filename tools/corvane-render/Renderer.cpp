#include "Renderer.h"

#include <exl_processor/exl_processor.h>
#include <juce_audio_formats/juce_audio_formats.h>

#include <unistd.h>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();

namespace cvl::render
{
namespace
{
    constexpr int maxChannels = 11;
    constexpr int outputBitsPerSample = 32; // float
    constexpr int progressBarWidth = 40;

    exl::PluginProcessor& asPluginProcessor (juce::AudioProcessor& processor)
    {
        return dynamic_cast<exl::PluginProcessor&> (processor);
    }

    // Writes to a temporary file beside the target and moves it into place only on success, so that
    // a failed run leaves nothing behind.
    class AtomicOutputFile
    {
    public:
        explicit AtomicOutputFile (const juce::File& target) : temporary (target)
        {
            stream = temporary.getFile().createOutputStream();
            if (stream == nullptr || stream->failedToOpen())
                throw RenderError{ "cannot write output file " + target.getFullPathName() };
        }

        std::unique_ptr<juce::FileOutputStream>& getStream() { return stream; }

        void commit()
        {
            stream.reset();
            if (! temporary.overwriteTargetFileWithTemporary())
                throw RenderError{ "cannot write output file " +
                                   temporary.getTargetFile().getFullPathName() };
        }

    private:
        juce::TemporaryFile temporary;
        std::unique_ptr<juce::FileOutputStream> stream;
    };

    class ProgressBar
    {
    public:
        ProgressBar (juce::OutputStream& streamToUse, juce::int64 total)
            : stream (streamToUse), totalSamples (std::max<juce::int64> (total, 1)),
              enabled (isatty (STDERR_FILENO) != 0)
        {
        }

        void update (juce::int64 done)
        {
            if (! enabled)
                return;
            const auto filled = static_cast<int> (progressBarWidth * done / totalSamples);
            if (filled == lastFilled)
                return;
            lastFilled = filled;
            stream << "\r[" << juce::String::repeatedString ("#", filled)
                   << juce::String::repeatedString (" ", progressBarWidth - filled) << "] "
                   << juce::String (100 * done / totalSamples) << "%";
            stream.flush();
        }

        void finish()
        {
            if (enabled)
                stream << "\r" << juce::String::repeatedString (" ", progressBarWidth + 8) << "\r";
        }

    private:
        juce::OutputStream& stream;
        juce::int64 totalSamples;
        bool enabled;
        int lastFilled = -1;
    };
} // namespace

juce::File resolvePath (const juce::String& path)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (path);
}

juce::Optional<juce::AudioPlayHead::PositionInfo> FixedTempoPlayHead::getPosition() const
{
    PositionInfo info;
    info.setBpm (tempo);
    info.setTimeInSamples (samplePosition);
    info.setTimeInSeconds (static_cast<double> (samplePosition) / rate);
    info.setPpqPosition (static_cast<double> (samplePosition) / rate * tempo / 60.0);
    info.setIsPlaying (true);
    return info;
}

Renderer::Renderer (const RenderOptions& optionsToUse)
    : options (optionsToUse), processor (createPluginFilter())
{
    applyPresetAndSettings();
}

Renderer::~Renderer() = default;

void Renderer::applyPresetAndSettings()
{
    if (options.presetFile.isNotEmpty())
    {
        const auto file = resolvePath (options.presetFile);
        juce::MemoryBlock data;
        if (! file.existsAsFile() || ! file.loadFileAsData (data))
            throw RenderError{ "cannot read preset file " + file.getFullPathName() };
        processor->setStateInformation (data.getData(), static_cast<int> (data.getSize()));
    }

    auto& plugin = asPluginProcessor (*processor);
    for (const auto& [identifier, value] : options.settings)
    {
        auto* parameter = plugin.findParameter (juce::Identifier (identifier));
        if (parameter == nullptr)
            throw RenderError{ "unknown parameter identifier " + identifier };
        parameter->beginChangeGesture();
        parameter->setValueNotifyingHost (value);
        parameter->endChangeGesture();
    }
}

void Renderer::listParameters (juce::OutputStream& out)
{
    auto& plugin = asPluginProcessor (*processor);
    const auto line = [&out] (const juce::String& index, const exl::Parameter& parameter, const char* kind)
    {
        const auto defaultValue = parameter.getDefaultValue();
        out << index << "\t" << parameter.getIdentifier().toString() << "\t" << parameter.getName (1024)
            << "\t" << exl::StateDocument::formatValue (defaultValue) << "\t"
            << parameter.getText (defaultValue, 1024) << "\t" << kind << "\n";
    };

    out << "index\tid\tname\tdefault\ttext\tkind\n";
    std::set<const exl::Parameter*> external;
    for (auto* hostParameter : processor->getParameters())
        if (auto* parameter = dynamic_cast<const exl::Parameter*> (hostParameter))
        {
            external.insert (parameter);
            line (juce::String (parameter->getParameterIndex()), *parameter, "external");
        }
    for (const auto* parameter : plugin.getParameterRegistry().getOrderedParameters())
        if (external.count (parameter) == 0)
            line ({}, *parameter, "internal");
}

void Renderer::saveState()
{
    juce::MemoryBlock state;
    processor->getStateInformation (state);
    AtomicOutputFile output (resolvePath (options.stateFile));
    if (! output.getStream()->write (state.getData(), state.getSize()))
        throw RenderError{ "cannot write state file " + resolvePath (options.stateFile).getFullPathName() };
    output.commit();
}

void Renderer::render (juce::OutputStream& log)
{
    const auto inputFile = resolvePath (options.inputFile);
    if (! inputFile.existsAsFile())
        throw RenderError{ "cannot read input file " + inputFile.getFullPathName() };

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatReader> reader (
        wav.createReaderFor (inputFile.createInputStream().release(), true));
    if (reader == nullptr)
        throw RenderError{ "input is not a readable WAV file: " + inputFile.getFullPathName() };

    const auto channels = static_cast<int> (reader->numChannels);
    const auto sampleRate = reader->sampleRate;
    if (channels < 1 || channels > maxChannels)
        throw RenderError{ "input has " + juce::String (channels) + " channels; 1 to 11 are supported" };
    if (sampleRate <= 0.0)
        throw RenderError{ "input has no valid sample rate: " + inputFile.getFullPathName() };

    const auto inputLength = reader->lengthInSamples;
    const auto tailLength = static_cast<juce::int64> (std::llround (options.tailSeconds * sampleRate));
    const auto totalLength = inputLength + tailLength;

    AtomicOutputFile output (resolvePath (options.outputFile));
    std::unique_ptr<juce::AudioFormatWriter> writer (
        wav.createWriterFor (output.getStream().get(), sampleRate, static_cast<unsigned int> (channels),
                             outputBitsPerSample, {}, 0));
    if (writer == nullptr)
        throw RenderError{ "cannot write output file " + resolvePath (options.outputFile).getFullPathName() };
    output.getStream().release(); // the writer owns the stream now

    const auto layout = juce::AudioChannelSet::canonicalChannelSet (channels);
    juce::AudioProcessor::BusesLayout buses;
    buses.inputBuses.add (layout);
    buses.outputBuses.add (layout);
    if (! processor->setBusesLayout (buses))
        throw RenderError{ "the plug-in refuses a layout of " + juce::String (channels) + " channels" };

    std::unique_ptr<FixedTempoPlayHead> playHead;
    if (options.tempo.has_value())
    {
        playHead = std::make_unique<FixedTempoPlayHead> (*options.tempo, sampleRate);
        processor->setPlayHead (playHead.get());
    }

    processor->setRateAndBufferSizeDetails (sampleRate, options.blockSize);
    processor->prepareToPlay (sampleRate, options.blockSize);

    juce::AudioBuffer<float> block (channels, options.blockSize);
    juce::MidiBuffer midi;
    ProgressBar progress (log, totalLength);
    const auto started = juce::Time::getMillisecondCounterHiRes();

    for (juce::int64 position = 0; position < totalLength; position += options.blockSize)
    {
        const auto length =
            static_cast<int> (std::min<juce::int64> (options.blockSize, totalLength - position));
        block.setSize (channels, length, false, false, true);
        block.clear();
        if (position < inputLength)
            reader->read (&block, 0,
                          static_cast<int> (std::min<juce::int64> (length, inputLength - position)), position,
                          true, true);
        processor->processBlock (block, midi);
        if (playHead != nullptr)
            playHead->advance (length);
        if (! writer->writeFromAudioSampleBuffer (block, 0, length))
            throw RenderError{ "cannot write output file " +
                               resolvePath (options.outputFile).getFullPathName() };
        progress.update (position + length);
    }

    processor->releaseResources();
    processor->setPlayHead (nullptr);
    writer.reset();
    output.commit();
    progress.finish();

    const auto wallSeconds = (juce::Time::getMillisecondCounterHiRes() - started) / 1000.0;
    const auto audioSeconds = static_cast<double> (totalLength) / sampleRate;
    log << "rendered " << juce::String (audioSeconds, 3) << " s of audio in " << juce::String (wallSeconds, 3)
        << " s (" << juce::String (wallSeconds > 0.0 ? audioSeconds / wallSeconds : 0.0, 1)
        << "x real time)\n";
}
} // namespace cvl::render
