#pragma once

#include <juce_data_structures/juce_data_structures.h>

namespace cvl
{
// The user's editor settings file (zoom, theme, expanded editors). Its place follows from the options
// by the framework's rules: on Linux "~/HalvikAudio/corvane.settings". Message thread.
class Properties
{
public:
    Properties();

    [[nodiscard]] juce::PropertiesFile& getUserSettings() { return *properties->getUserSettings(); }
    [[nodiscard]] static juce::PropertiesFile::Options getOptions();

private:
    std::unique_ptr<juce::ApplicationProperties> properties;

    JUCE_DECLARE_NON_COPYABLE (Properties)
};
} // namespace cvl
