#include "resources/CorvaneVersion.h"

#include <CorvaneFonts.h>
#include <CorvaneImages.h>
#include <CorvaneStarterPreset.h>
#include <CorvaneVersionBin.h>

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
using Lookup = const char* (*)(const char*, int&);
using FilenameLookup = const char* (*)(const char*);

struct NamespaceCase
{
    const char* label;
    Lookup lookup;
    FilenameLookup filename;
    const char* resource;
    const char* sourceFile;
};

const NamespaceCase namespaces[] = {
    { "version", CorvaneVersionBin::getNamedResource, CorvaneVersionBin::getNamedResourceOriginalFilename,
      "VERSION_txt", "VERSION.txt" },
    { "fonts", CorvaneFonts::getNamedResource, CorvaneFonts::getNamedResourceOriginalFilename,
      "Inconsolata_ttf", "Inconsolata.ttf" },
    { "starter preset", CorvaneStarterPreset::getNamedResource,
      CorvaneStarterPreset::getNamedResourceOriginalFilename, "StarterPreset_corvane",
      "StarterPreset.corvane" },
    { "images", CorvaneImages::getNamedResource, CorvaneImages::getNamedResourceOriginalFilename,
      "corvane_logo_svg", "corvane_logo.svg" },
};
} // namespace

TEST (EmbeddedResources, EachNamespaceFindsItsResourcesByNameAndEndsThemWithAZeroByte)
{
    for (const auto& entry : namespaces)
    {
        SCOPED_TRACE (entry.label);
        int size = -1;
        const auto* data = entry.lookup (entry.resource, size);
        ASSERT_NE (data, nullptr);
        EXPECT_GT (size, 0);
        EXPECT_EQ (data[size], 0);
        EXPECT_STREQ (entry.filename (entry.resource), entry.sourceFile);

        size = -1;
        EXPECT_EQ (entry.lookup ("", size), nullptr);
        EXPECT_EQ (size, 0);
        size = -1;
        EXPECT_EQ (entry.lookup ("no_such_resource", size), nullptr);
        EXPECT_EQ (size, 0);
        EXPECT_EQ (entry.filename ("no_such_resource"), nullptr);
    }
}

TEST (EmbeddedResources, ANameFromAnotherNamespaceIsNotFound)
{
    int size = -1;
    EXPECT_EQ (CorvaneFonts::getNamedResource ("VERSION_txt", size), nullptr);
    EXPECT_EQ (size, 0);
}

TEST (EmbeddedResources, NamesAreMatchedThroughTheirThirtyOneHash)
{
    // "tx" and "uY" add the same amount to a hash that multiplies by 31 per byte: ('u' - 't') * 31 == 'x' -
    // 'Y'.
    int size = -1;
    EXPECT_EQ (CorvaneVersionBin::getNamedResource ("VERSION_uYt", size), CorvaneVersionBin::VERSION_txt);
    EXPECT_EQ (size, CorvaneVersionBin::VERSION_txtSize);
}

TEST (EmbeddedResources, VersionStringIsTheVersionTextWithoutWhiteSpace)
{
    EXPECT_EQ (juce::String (CorvaneVersionBin::VERSION_txt), "1.0.0\n");
    EXPECT_EQ (CorvaneVersion::GetBuildNumberString(), "1.0.0");
    EXPECT_EQ (CorvaneVersion::GetBuildVersionString(), "1.0.0");
    EXPECT_FALSE (CorvaneVersion::GetBuildVersionString().endsWithChar ('\n'));
}

TEST (EmbeddedResources, TypefaceLoads)
{
    auto typeface = juce::Typeface::createSystemTypefaceFor (
        CorvaneFonts::Inconsolata_ttf, static_cast<size_t> (CorvaneFonts::Inconsolata_ttfSize));
    ASSERT_NE (typeface, nullptr);
    EXPECT_TRUE (typeface->getName().containsIgnoreCase ("Inconsolata"));
}

TEST (EmbeddedResources, EveryImageIsADrawingOfItsRolesProportions)
{
    struct ImageCase
    {
        const char* resource;
        float width;
        float height;
    };
    const ImageCase images[] = {
        { "arrow_down_svg", 32.0f, 32.0f },
        { "arrow_left_svg", 32.0f, 32.0f },
        { "arrow_right_svg", 32.0f, 32.0f },
        { "corvane_logo_svg", 80.0f, 12.0f },
        { "signature_left_svg", 96.57f, 34.93f },
        { "signature_right_svg", 96.57f, 34.93f },
        { "halvik_audio_logo_svg", 96.57f, 34.93f },
        { "warhead_svg", 37.09f, 142.36f },
        { "folder_svg", 32.0f, 32.0f },
        { "init_svg", 32.0f, 32.0f },
        { "save_svg", 32.0f, 32.0f },
        { "mod_overlay_svg", 32.0f, 32.0f },
        { "filter_lp_svg", 32.0f, 32.0f },
        { "filter_hp_svg", 32.0f, 32.0f },
        { "filter_bp_svg", 32.0f, 32.0f },
        { "filter_bs_svg", 32.0f, 32.0f },
        { "distortion_bitcrush_svg", 32.0f, 32.0f },
        { "distortion_sample_and_hold_svg", 32.0f, 32.0f },
        { "distortion_soft_clip_svg", 32.0f, 32.0f },
        { "distortion_hard_clip_svg", 32.0f, 32.0f },
        { "distortion_sine_svg", 32.0f, 32.0f },
        { "distortion_rectify_svg", 32.0f, 32.0f },
    };
    EXPECT_EQ (CorvaneImages::namedResourceListSize, static_cast<int> (std::size (images)));

    for (const auto& image : images)
    {
        SCOPED_TRACE (image.resource);
        int size = 0;
        const auto* data = CorvaneImages::getNamedResource (image.resource, size);
        ASSERT_NE (data, nullptr);
        const auto svg = juce::parseXML (juce::String::fromUTF8 (data, size));
        ASSERT_NE (svg, nullptr);
        EXPECT_FLOAT_EQ (static_cast<float> (svg->getDoubleAttribute ("width")), image.width);
        EXPECT_FLOAT_EQ (static_cast<float> (svg->getDoubleAttribute ("height")), image.height);

        const auto drawable = juce::Drawable::createFromSVG (*svg);
        ASSERT_NE (drawable, nullptr);
        const auto outline = drawable->getOutlineAsPath().getBounds();
        // The drawing fills a fair part of its frame and stays inside it.
        EXPECT_GT (std::max (outline.getWidth() / image.width, outline.getHeight() / image.height), 0.5f);
        EXPECT_GE (outline.getX(), -0.01f);
        EXPECT_LE (outline.getRight(), image.width + 0.01f);
        EXPECT_GE (outline.getY(), -0.01f);
        EXPECT_LE (outline.getBottom(), image.height + 0.01f);
    }
}

#include "processor/PluginProcessor.h"

TEST (StarterPreset, ListsEveryParameterButMixInRegistryOrder)
{
    CorvaneAudioProcessor processor;
    juce::StringArray expected;
    for (const auto& id : processor.getParameterIdList())
        if (id.toString() != "Mix")
            expected.add (id.toString());

    const auto document = juce::parseXML (juce::String::fromUTF8 (
        CorvaneStarterPreset::StarterPreset_corvane, CorvaneStarterPreset::StarterPreset_corvaneSize));
    ASSERT_NE (document, nullptr);
    EXPECT_TRUE (document->hasTagName ("state"));
    juce::StringArray listed;
    for (const auto* element : document->getChildIterator())
        listed.add (element->getStringAttribute ("id"));
    // Fails when the parameter list changed: regenerate with tools/starter-preset/make-starter-preset.py.
    EXPECT_EQ (listed.joinIntoString (","), expected.joinIntoString (","));
}

TEST (StarterPreset, IsAppliedAtConstructionAndLeavesMixAtItsDefault)
{
    CorvaneAudioProcessor processor;
    const auto document = juce::parseXML (juce::String::fromUTF8 (
        CorvaneStarterPreset::StarterPreset_corvane, CorvaneStarterPreset::StarterPreset_corvaneSize));
    ASSERT_NE (document, nullptr);
    for (const auto* element : document->getChildIterator())
    {
        const auto* parameter =
            processor.findParameter (juce::Identifier (element->getStringAttribute ("id")));
        ASSERT_NE (parameter, nullptr);
        EXPECT_FLOAT_EQ (parameter->getValue(), static_cast<float> (element->getDoubleAttribute ("val")))
            << element->getStringAttribute ("id");
    }
    if (const auto* mix = processor.findParameter ("Mix"))
    {
        EXPECT_FLOAT_EQ (mix->getValue(), mix->getDefaultValue());
    }
}
