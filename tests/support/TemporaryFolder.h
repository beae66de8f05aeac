#pragma once

#include <juce_core/juce_core.h>

#include <unistd.h>

namespace cvl::test
{
// A fresh, empty folder that is deleted with everything in it when the object goes.
class TemporaryFolder
{
public:
    // The name carries the process id: tests run in parallel processes, and two processes that looked
    // for a free name at the same moment would otherwise share one folder.
    TemporaryFolder()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getNonexistentChildFile (
                          "corvane-test-" + juce::String (static_cast<int> (::getpid())), "", false))
    {
        folder.createDirectory();
    }
    ~TemporaryFolder() { folder.deleteRecursively(); }

    [[nodiscard]] const juce::File& get() const noexcept { return folder; }
    [[nodiscard]] juce::File child (const juce::String& name) const { return folder.getChildFile (name); }

private:
    juce::File folder;
};
} // namespace cvl::test
