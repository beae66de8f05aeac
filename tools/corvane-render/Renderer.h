#pragma once

#include "RenderOptions.h"

#include <juce_audio_processors/juce_audio_processors.h>

namespace cvl::render
{
// Thrown for input the renderer refuses; the message is one line naming the problem.
struct RenderError
{
    juce::String message;
};

// Reports play positions of a fixed tempo, starting at beat 0 and advancing with the samples.
class FixedTempoPlayHead final : public juce::AudioPlayHead
{
public:
    FixedTempoPlayHead (double bpm, double sampleRate) : tempo (bpm), rate (sampleRate) {}

    juce::Optional<PositionInfo> getPosition() const override;
    void advance (int numSamples) noexcept { samplePosition += numSamples; }

private:
    double tempo, rate;
    juce::int64 samplePosition = 0;
};

class Renderer
{
public:
    // Builds one processor as a host would, applies the preset and the settings.
    explicit Renderer (const RenderOptions& options);
    ~Renderer();

    void render (juce::OutputStream& progress);
    void saveState();
    void listParameters (juce::OutputStream& out);

private:
    void applyPresetAndSettings();

    RenderOptions options;
    std::unique_ptr<juce::AudioProcessor> processor;
};

[[nodiscard]] juce::File resolvePath (const juce::String& path);
} // namespace cvl::render
