// corvane-demo-signal: writes a few seconds of a generated stereo phrase to a WAV file, the input of
// the demo render that scripts/run makes where no display is available.

#include <juce_audio_formats/juce_audio_formats.h>

#include <iostream>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr double noteSeconds = 0.5;
constexpr int bitsPerSample = 24;
// A minor pentatonic phrase, as MIDI note numbers.
constexpr int phrase[] = { 57, 60, 64, 67, 69, 67, 64, 60 };

double noteToHz (int note) { return 440.0 * std::pow (2.0, (note - 69) / 12.0); }

// A plucked tone: a few decaying harmonics, soft at the onset to avoid a click.
float pluck (double hz, double t)
{
    const auto attack = std::min (1.0, t / 0.004);
    auto value = 0.0;
    for (int harmonic = 1; harmonic <= 4; ++harmonic)
        value += std::sin (juce::MathConstants<double>::twoPi * hz * harmonic * t) / (harmonic * harmonic) *
                 std::exp (-t * 3.0 * harmonic);
    return static_cast<float> (0.3 * attack * value);
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: corvane-demo-signal OUTPUT.wav" << std::endl;
        return 2;
    }

    const auto file =
        juce::File::getCurrentWorkingDirectory().getChildFile (juce::String::fromUTF8 (argv[1]));
    file.deleteFile();
    auto stream = file.createOutputStream();
    if (stream == nullptr)
    {
        std::cerr << "corvane-demo-signal: cannot write " << file.getFullPathName() << std::endl;
        return 1;
    }

    const auto noteLength = static_cast<int> (noteSeconds * sampleRate);
    const auto totalLength =
        noteLength * static_cast<int> (std::size (phrase)) + static_cast<int> (sampleRate);
    juce::AudioBuffer<float> audio (2, totalLength);
    audio.clear();
    for (std::size_t n = 0; n < std::size (phrase); ++n)
    {
        const auto hz = noteToHz (phrase[n]);
        const auto pan = n % 2 == 0 ? 0.3f : 0.7f; // alternate sides
        const auto start = static_cast<int> (n) * noteLength;
        for (int i = start; i < totalLength; ++i)
        {
            const auto sample = pluck (hz, (i - start) / sampleRate);
            audio.addSample (0, i, sample * (1.0f - pan));
            audio.addSample (1, i, sample * pan);
        }
    }

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (
        wav.createWriterFor (stream.get(), sampleRate, 2, bitsPerSample, {}, 0));
    if (writer == nullptr)
        return 1;
    stream.release();
    writer->writeFromAudioSampleBuffer (audio, 0, totalLength);
    return 0;
}
