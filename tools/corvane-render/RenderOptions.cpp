#include "RenderOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace cvl::render
{
namespace
{
    constexpr int maximumBlockSize = 1 << 16;

    // The whole text must be a finite decimal number.
    std::optional<double> readNumber (const juce::String& text)
    {
        const auto utf8 = text.trim().toStdString();
        if (utf8.empty())
            return std::nullopt;
        char* end = nullptr;
        errno = 0;
        const auto value = std::strtod (utf8.c_str(), &end);
        if (errno != 0 || end != utf8.c_str() + utf8.size() || ! std::isfinite (value))
            return std::nullopt;
        return value;
    }

    struct Cursor
    {
        const juce::StringArray& arguments;
        int index = 0;

        bool atEnd() const { return index >= arguments.size(); }
        juce::String next() { return arguments[index++]; }
    };
} // namespace

juce::String usageText()
{
    return "Usage:\n"
           "  corvane-render [--preset FILE] [--set ID=VALUE]... [--block-size N] [--tempo BPM] [--tail "
           "SECONDS]\n"
           "                 INPUT.wav OUTPUT.wav\n"
           "  corvane-render --list-parameters\n"
           "  corvane-render --save-state FILE [--preset FILE] [--set ID=VALUE]...\n"
           "  corvane-render --help\n"
           "\n"
           "Renders a WAV file through the Corvane effect and writes a 32-bit float WAV file.\n"
           "  --preset FILE      apply a state document (a .corvane preset) first\n"
           "  --set ID=VALUE     then set a parameter to a normalised value from 0 to 1\n"
           "  --block-size N     samples per processing block (default 512)\n"
           "  --tempo BPM        give the plug-in a host tempo, starting at beat 0\n"
           "  --tail SECONDS     render this much silence after the input (default 0)\n"
           "  --list-parameters  print every parameter: index, id, name, default, text, kind\n"
           "  --save-state FILE  write the state after the options are applied\n";
}

ParseResult parseCommandLine (const juce::StringArray& arguments)
{
    RenderOptions options;
    juce::StringArray positional;
    Cursor cursor{ arguments };
    const auto fail = [] (const juce::String& message) { return ParseResult{ std::nullopt, message }; };

    while (! cursor.atEnd())
    {
        const auto argument = cursor.next();
        const auto needsValue = argument == "--preset" || argument == "--set" || argument == "--block-size" ||
                                argument == "--tempo" || argument == "--tail" || argument == "--save-state";
        if (needsValue && cursor.atEnd())
            return fail ("option " + argument + " needs an argument");

        if (argument == "--help" || argument == "-h")
            options.mode = RenderOptions::Mode::help;
        else if (argument == "--list-parameters")
            options.mode = RenderOptions::Mode::listParameters;
        else if (argument == "--save-state")
        {
            options.mode = RenderOptions::Mode::saveState;
            options.stateFile = cursor.next();
        }
        else if (argument == "--preset")
            options.presetFile = cursor.next();
        else if (argument == "--set")
        {
            const auto assignment = cursor.next();
            const auto identifier = assignment.upToFirstOccurrenceOf ("=", false, false);
            const auto value = readNumber (assignment.fromFirstOccurrenceOf ("=", false, false));
            if (! assignment.contains ("=") || identifier.isEmpty())
                return fail ("--set expects ID=VALUE, got \"" + assignment + "\"");
            if (! value.has_value() || *value < 0.0 || *value > 1.0)
                return fail ("value for " + identifier + " is not a number from 0 to 1: \"" +
                             assignment.fromFirstOccurrenceOf ("=", false, false) + "\"");
            options.settings.emplace_back (identifier, static_cast<float> (*value));
        }
        else if (argument == "--block-size")
        {
            const auto text = cursor.next();
            const auto value = readNumber (text);
            if (! value.has_value() || *value < 1.0 || *value > maximumBlockSize ||
                std::floor (*value) != *value)
                return fail ("block size must be a whole number from 1 to " +
                             juce::String (maximumBlockSize) + ", got \"" + text + "\"");
            options.blockSize = static_cast<int> (*value);
        }
        else if (argument == "--tempo")
        {
            const auto text = cursor.next();
            const auto value = readNumber (text);
            if (! value.has_value() || *value <= 0.0)
                return fail ("tempo must be a positive number of beats per minute, got \"" + text + "\"");
            options.tempo = *value;
        }
        else if (argument == "--tail")
        {
            const auto text = cursor.next();
            const auto value = readNumber (text);
            if (! value.has_value() || *value < 0.0)
                return fail ("tail must be a number of seconds, 0 or more, got \"" + text + "\"");
            options.tailSeconds = *value;
        }
        else if (argument.startsWith ("-") && argument.length() > 1)
            return fail ("unknown option " + argument);
        else
            positional.add (argument);
    }

    if (options.mode == RenderOptions::Mode::render)
    {
        if (positional.size() != 2)
            return fail ("expected INPUT.wav and OUTPUT.wav (see --help)");
        options.inputFile = positional[0];
        options.outputFile = positional[1];
    }
    else if (! positional.isEmpty())
        return fail ("unexpected argument \"" + positional[0] + "\"");

    return { options, {} };
}
} // namespace cvl::render
