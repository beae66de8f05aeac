#include "EditorResources.h"

#include "resources/CorvaneVersion.h"

#include <CorvaneFonts.h>
#include <CorvaneImages.h>

namespace cvl
{
const char* EditorResources::corvaneLogo() { return CorvaneImages::corvane_logo_svg; }
const char* EditorResources::signatureLeft() { return CorvaneImages::signature_left_svg; }
const char* EditorResources::signatureRight() { return CorvaneImages::signature_right_svg; }
const char* EditorResources::makerLogo() { return CorvaneImages::halvik_audio_logo_svg; }
const char* EditorResources::warhead() { return CorvaneImages::warhead_svg; }
EditorResources::Bytes EditorResources::typeface()
{
    return { CorvaneFonts::Inconsolata_ttf, CorvaneFonts::Inconsolata_ttfSize };
}
juce::String EditorResources::versionString() { return CorvaneVersion::GetBuildVersionString(); }
} // namespace cvl
