#pragma once

#include <juce_core/juce_core.h>

#include <cstdlib>

namespace cvl::test
{
// Points the home folder at another folder for the life of the object, so that settings files the
// framework places under "~" land there instead of in the real home folder.
class ScopedHome
{
public:
    explicit ScopedHome (const juce::File& folder)
    {
        if (const auto* previous = std::getenv ("HOME"))
            saved = previous;
        ::setenv ("HOME", folder.getFullPathName().toRawUTF8(), 1);
    }

    ~ScopedHome()
    {
        if (saved.isNotEmpty())
            ::setenv ("HOME", saved.toRawUTF8(), 1);
        else
            ::unsetenv ("HOME");
    }

    ScopedHome (const ScopedHome&) = delete;
    ScopedHome& operator= (const ScopedHome&) = delete;

private:
    juce::String saved;
};
} // namespace cvl::test
