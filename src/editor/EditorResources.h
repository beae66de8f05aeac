#pragma once

#include <juce_core/juce_core.h>

namespace cvl
{
// The embedded drawings and typeface the editor uses, in one place. Each gives null (and a size of 0)
// for a resource this build does not carry; the editor then paints without it.
struct EditorResources
{
    struct Bytes
    {
        const char* data = nullptr;
        int size = 0;
    };

    [[nodiscard]] static const char* corvaneLogo();
    [[nodiscard]] static const char* signatureLeft();
    [[nodiscard]] static const char* signatureRight();
    [[nodiscard]] static const char* makerLogo();
    [[nodiscard]] static const char* warhead();
    [[nodiscard]] static Bytes typeface();
    [[nodiscard]] static juce::String versionString();
};
} // namespace cvl
