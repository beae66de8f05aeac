#include "support/ProcessorHarness.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <juce_audio_formats/juce_audio_formats.h>

namespace
{
struct ToolResult
{
    juce::uint32 exitCode;
    juce::String output;
};

// Runs corvane-render with the given arguments; stdout and stderr together.
ToolResult runRender (const juce::StringArray& arguments)
{
    juce::StringArray command{ CORVANE_RENDER_EXECUTABLE };
    command.addArray (arguments);
    juce::ChildProcess process;
    if (! process.start (command))
        return { 255, "could not start" };
    auto output = process.readAllProcessOutput();
    process.waitForProcessToFinish (60000);
    return { process.getExitCode(), output };
}

void writeWav (const juce::File& file, int channels, int samples, double sampleRate)
{
    juce::AudioBuffer<float> audio (channels, samples);
    for (int c = 0; c < channels; ++c)
        for (int i = 0; i < samples; ++i)
            audio.setSample (c, i, 0.25f * std::sin (0.01f * static_cast<float> (i * (c + 1))));
    file.deleteFile();
    auto stream = file.createOutputStream();
    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (
        wav.createWriterFor (stream.release(), sampleRate, static_cast<unsigned> (channels), 16, {}, 0));
    writer->writeFromAudioSampleBuffer (audio, 0, samples);
}

std::unique_ptr<juce::AudioFormatReader> readWav (const juce::File& file)
{
    juce::WavAudioFormat wav;
    return std::unique_ptr<juce::AudioFormatReader> (
        wav.createReaderFor (file.createInputStream().release(), true));
}
} // namespace

TEST (RenderTool, RendersAFileWithItsTailAsFloatWav)
{
    cvl::test::TemporaryFolder folder;
    const auto input = folder.child ("in.wav");
    const auto output = folder.child ("out.wav");
    writeWav (input, 2, 10000, 44100.0);

    const auto result = runRender ({ "--block-size", "441", "--tempo", "100", "--tail", "0.5",
                                     input.getFullPathName(), output.getFullPathName() });
    ASSERT_EQ (result.exitCode, 0u) << result.output;
    EXPECT_TRUE (result.output.contains ("real time")) << result.output;

    const auto reader = readWav (output);
    ASSERT_NE (reader, nullptr);
    EXPECT_EQ (reader->numChannels, 2u);
    EXPECT_EQ (reader->sampleRate, 44100.0);
    EXPECT_EQ (reader->bitsPerSample, 32u);
    EXPECT_TRUE (reader->usesFloatingPointData);
    EXPECT_EQ (reader->lengthInSamples, 10000 + 22050);
}

TEST (RenderTool, ListsEveryParameterExternalFirst)
{
    const auto result = runRender ({ "--list-parameters" });
    ASSERT_EQ (result.exitCode, 0u) << result.output;
    juce::StringArray lines;
    lines.addLines (result.output.trimEnd());
    ASSERT_GE (lines.size(), 2);
    EXPECT_EQ (lines[0], "index\tid\tname\tdefault\ttext\tkind");

    CorvaneAudioProcessor processor;
    const auto registered = static_cast<int> (processor.getParameterRegistry().size());
    EXPECT_EQ (lines.size(), registered + 1);
    EXPECT_TRUE (lines.contains ("0\tBypass\tBypass\t0\tfalse\texternal") ||
                 lines[1].contains ("\texternal"));

    auto seenInternal = false;
    for (int i = 1; i < lines.size(); ++i)
    {
        juce::StringArray fields;
        fields.addTokens (lines[i], "\t", "");
        ASSERT_EQ (fields.size(), 6) << lines[i];
        if (fields[5] == "internal")
        {
            seenInternal = true;
            EXPECT_TRUE (fields[0].isEmpty());
        }
        else
        {
            EXPECT_FALSE (seenInternal) << "external parameters come first";
            EXPECT_EQ (fields[0], juce::String (i - 1));
        }
    }
}

TEST (RenderTool, SavesTheStateAfterTheSettings)
{
    cvl::test::TemporaryFolder folder;
    const auto state = folder.child ("state.corvane");
    const auto result = runRender ({ "--save-state", state.getFullPathName(), "--set", "Bypass=1" });
    ASSERT_EQ (result.exitCode, 0u) << result.output;

    CorvaneAudioProcessor processor;
    processor.getBypassParameter()->setValueNotifyingHost (1.0f);
    juce::MemoryBlock expected;
    processor.getStateInformation (expected);
    juce::MemoryBlock written;
    ASSERT_TRUE (state.loadFileAsData (written));
    EXPECT_EQ (written, expected);

    // A saved state applied as a preset comes back out unchanged.
    const auto copy = folder.child ("copy.corvane");
    ASSERT_EQ (
        runRender ({ "--save-state", copy.getFullPathName(), "--preset", state.getFullPathName() }).exitCode,
        0u);
    EXPECT_EQ (copy.loadFileAsString(), state.loadFileAsString());
}

TEST (RenderTool, RejectsBadInputWithOneLineAndNoOutputFile)
{
    cvl::test::TemporaryFolder folder;
    const auto input = folder.child ("in.wav");
    writeWav (input, 2, 1000, 48000.0);
    const auto wide = folder.child ("wide.wav");
    writeWav (wide, 12, 1000, 48000.0);
    const auto text = folder.child ("text.wav");
    text.replaceWithText ("this is not audio");
    const auto output = folder.child ("out.wav");
    const auto in = input.getFullPathName();
    const auto out = output.getFullPathName();

    struct Case
    {
        const char* what;
        juce::StringArray arguments;
        const char* message;
    };
    const Case cases[] = {
        { "unknown identifier", { "--set", "NoSuchThing=0.5", in, out }, "unknown parameter" },
        { "value not a number", { "--set", "Bypass=loud", in, out }, "not a number" },
        { "value above 1", { "--set", "Bypass=1.5", in, out }, "not a number from 0 to 1" },
        { "missing input", { folder.child ("missing.wav").getFullPathName(), out }, "cannot read input" },
        { "not a WAV file", { text.getFullPathName(), out }, "not a readable WAV" },
        { "too many channels", { wide.getFullPathName(), out }, "12 channels" },
        { "unwritable output",
          { in, folder.child ("no/such/dir/out.wav").getFullPathName() },
          "cannot write output" },
        { "missing option argument", { in, out, "--block-size" }, "needs an argument" },
        { "bad block size", { "--block-size", "0", in, out }, "block size" },
        { "unreadable preset",
          { "--preset", folder.child ("none.corvane").getFullPathName(), in, out },
          "preset" },
    };
    for (const auto& c : cases)
    {
        const auto result = runRender (c.arguments);
        EXPECT_NE (result.exitCode, 0u) << c.what;
        EXPECT_TRUE (result.output.contains (c.message)) << c.what << ": " << result.output;
        EXPECT_EQ (result.output.trimEnd().indexOfChar ('\n'), -1) << c.what << ": " << result.output;
        EXPECT_FALSE (output.exists()) << c.what;
        EXPECT_FALSE (folder.child ("no").exists()) << c.what;
    }
}

// Every effect type alone in the first slot, on a float file whose samples include NaN and
// infinities: the render succeeds, keeps its length and holds only finite, non-silent samples.
TEST (RenderTool, RendersThroughEveryEffectTypeWithFiniteOutputForNonFiniteInput)
{
    cvl::test::TemporaryFolder folder;
    const auto input = folder.child ("hostile.wav");
    constexpr int length = 9600;
    {
        juce::AudioBuffer<float> audio (2, length);
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < length; ++i)
                audio.setSample (c, i, 0.3f * std::sin (0.02f * static_cast<float> (i * (c + 1))));
        audio.setSample (0, 100, std::numeric_limits<float>::quiet_NaN());
        audio.setSample (1, 2000, std::numeric_limits<float>::infinity());
        audio.setSample (0, 5000, -std::numeric_limits<float>::infinity());
        auto stream = input.createOutputStream();
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (
            wav.createWriterFor (stream.release(), 48000.0, 2, 32, {}, 0));
        ASSERT_NE (writer, nullptr);
        writer->writeFromAudioSampleBuffer (audio, 0, length);
    }

    const char* types[] = { "Allpass", "Balance", "Delay", "Diffuser", "Distortion", "Filter" };
    for (int type = 1; type <= 6; ++type)
    {
        const auto output = folder.child (juce::String (types[type - 1]) + ".wav");
        const auto result =
            runRender ({ "--set", "ProcessorType1=" + juce::String (static_cast<float> (type) / 6.0f),
                         "--set", "ProcessorType2=0", "--set", "ProcessorType3=0", "--set", "VoiceCount=1",
                         "--tail", "0", input.getFullPathName(), output.getFullPathName() });
        ASSERT_EQ (result.exitCode, 0u) << types[type - 1] << ": " << result.output;
        const auto reader = readWav (output);
        ASSERT_NE (reader, nullptr) << types[type - 1];
        ASSERT_EQ (reader->lengthInSamples, length) << types[type - 1];
        juce::AudioBuffer<float> rendered (2, length);
        reader->read (&rendered, 0, length, 0, true, true);
        auto energy = 0.0;
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < length; ++i)
            {
                const auto x = rendered.getSample (c, i);
                ASSERT_TRUE (std::isfinite (x)) << types[type - 1] << " channel " << c << " sample " << i;
                energy += static_cast<double> (x) * static_cast<double> (x);
            }
        EXPECT_GT (energy, 1.0) << types[type - 1];
    }
}
