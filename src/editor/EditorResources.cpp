#include "EditorResources.h"

namespace cvl
{
// The embedded resource namespaces are not part of this build yet; every drawing is absent.
const char* EditorResources::corvaneLogo() { return nullptr; }
const char* EditorResources::signatureLeft() { return nullptr; }
const char* EditorResources::signatureRight() { return nullptr; }
const char* EditorResources::makerLogo() { return nullptr; }
const char* EditorResources::warhead() { return nullptr; }
EditorResources::Bytes EditorResources::typeface() { return {}; }
juce::String EditorResources::versionString() { return JucePlugin_VersionString; }
} // namespace cvl
