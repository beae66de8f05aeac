#include "editor/PluginEditor.h"
#include "processor/PluginProcessor.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace
{
// Opening the editor as a host does: the shell, its models and every component, then the first paint
// into an image. The settings file goes to a private home folder.
void editorOpening (benchmark::State& state)
{
    const auto home = juce::File::createTempFile ("home");
    home.createDirectory();
    const juce::String previousHome (std::getenv ("HOME"));
    ::setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
    {
        CorvaneAudioProcessor processor;
        for (auto _ : state)
        {
            auto editor = std::make_unique<CorvaneAudioProcessorEditor> (processor);
            auto image = editor->createComponentSnapshot (editor->getLocalBounds());
            benchmark::DoNotOptimize (image);
            processor.editorBeingDeleted (editor.get());
            editor.reset();
        }
    }
    ::setenv ("HOME", previousHome.toRawUTF8(), 1);
    home.deleteRecursively();
}
BENCHMARK (editorOpening)->Unit (benchmark::kMillisecond);
} // namespace
