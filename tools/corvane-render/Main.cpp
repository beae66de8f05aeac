// corvane-render: renders WAV files through the plug-in offline, lists its parameters and saves states.

#include "Renderer.h"

#include <iostream>

namespace
{
// Writes straight to a standard stream: stdout for listings, stderr for progress and the summary line.
class StandardStream final : public juce::OutputStream
{
public:
    explicit StandardStream (std::ostream& streamToUse) : stream (streamToUse) {}

    void flush() override { stream.flush(); }
    bool setPosition (juce::int64) override { return false; }
    juce::int64 getPosition() override { return written; }
    bool write (const void* data, size_t numBytes) override
    {
        stream.write (static_cast<const char*> (data), static_cast<std::streamsize> (numBytes));
        written += static_cast<juce::int64> (numBytes);
        return true;
    }

private:
    std::ostream& stream;
    juce::int64 written = 0;
};
} // namespace

int main (int argc, char* argv[])
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto parsed = cvl::render::parseCommandLine (arguments);
    if (! parsed.options.has_value())
    {
        std::cerr << "corvane-render: " << parsed.error << std::endl;
        return 2;
    }

    const auto& options = *parsed.options;
    if (options.mode == cvl::render::RenderOptions::Mode::help)
    {
        std::cout << cvl::render::usageText();
        return 0;
    }

    // The processor and its editor library need JUCE's message manager to exist.
    juce::ScopedJuceInitialiser_GUI juce;
    try
    {
        cvl::render::Renderer renderer (options);
        StandardStream log (std::cerr);
        StandardStream out (std::cout);
        switch (options.mode)
        {
            case cvl::render::RenderOptions::Mode::listParameters:
                renderer.listParameters (out);
                break;
            case cvl::render::RenderOptions::Mode::saveState:
                renderer.saveState();
                break;
            case cvl::render::RenderOptions::Mode::render:
                renderer.render (log);
                break;
            case cvl::render::RenderOptions::Mode::help:
                break;
        }
        out.flush();
    }
    catch (const cvl::render::RenderError& error)
    {
        std::cerr << "corvane-render: " << error.message << std::endl;
        return 1;
    }
    return 0;
}
