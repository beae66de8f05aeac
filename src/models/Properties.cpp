#include "Properties.h"

namespace cvl
{
namespace
{
    constexpr int autoSaveDelayMs = 3000;
}

juce::PropertiesFile::Options Properties::getOptions()
{
    juce::PropertiesFile::Options options;
    options.applicationName = "corvane";
    options.folderName = "HalvikAudio";
    options.filenameSuffix = "settings";
    options.osxLibrarySubFolder = "Application Support";
    options.commonToAllUsers = false;
    options.ignoreCaseOfKeyNames = false;
    options.doNotSave = false;
    options.millisecondsBeforeSaving = autoSaveDelayMs;
    options.storageFormat = juce::PropertiesFile::storeAsXML;
    return options;
}

Properties::Properties() : properties (std::make_unique<juce::ApplicationProperties>())
{
    properties->setStorageParameters (getOptions());
}
} // namespace cvl
