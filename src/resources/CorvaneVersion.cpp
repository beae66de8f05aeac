#include "CorvaneVersion.h"

#include <CorvaneVersionBin.h>

namespace CorvaneVersion
{
juce::String GetBuildNumberString()
{
    const auto text =
        juce::String::fromUTF8 (CorvaneVersionBin::VERSION_txt, CorvaneVersionBin::VERSION_txtSize);
    juce::String result;
    for (const auto character : text)
        if (! juce::CharacterFunctions::isWhitespace (character))
            result += juce::String::charToString (character);
    return result;
}

juce::String GetBuildVersionString() { return GetBuildNumberString(); }
} // namespace CorvaneVersion
