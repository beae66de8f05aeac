#pragma once

#include <juce_core/juce_core.h>

#include <optional>
#include <utility>
#include <vector>

namespace cvl::render
{
// What the command line asks for. Values are checked for form here; whether an identifier exists
// is the renderer's question, since only the processor knows.
struct RenderOptions
{
    enum class Mode
    {
        render,
        listParameters,
        saveState,
        help
    };

    Mode mode = Mode::render;
    juce::String presetFile;
    std::vector<std::pair<juce::String, float>> settings; // identifier, normalised value
    int blockSize = 512;
    std::optional<double> tempo;
    double tailSeconds = 0.0;
    juce::String inputFile;
    juce::String outputFile;
    juce::String stateFile;
};

struct ParseResult
{
    std::optional<RenderOptions> options;
    juce::String error; // one line, set when options is empty
};

[[nodiscard]] ParseResult parseCommandLine (const juce::StringArray& arguments);
[[nodiscard]] juce::String usageText();
} // namespace cvl::render
