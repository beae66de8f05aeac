#pragma once

#include <juce_core/juce_core.h>

namespace cvl::test
{
// A fresh, empty folder that is deleted with everything in it when the object goes.
class TemporaryFolder
{
public:
    TemporaryFolder()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getNonexistentChildFile ("corvane-test", "", false))
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
