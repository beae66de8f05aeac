#include "editor/PluginEditor.h"
#include "editor/AboutPopup.h"
#include "editor/Colours.h"
#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

#include "support/ScopedHome.h"
#include "support/TemporaryFolder.h"

namespace
{
using cvl::UiModel;

juce::ValueTree choiceNamed (const juce::ValueTree& choices, const juce::String& text)
{
    for (const auto& child : choices)
        if (child[exl::ChoiceParameterModel::ChoiceText].toString() == text)
            return child;
    return {};
}

// A processor and an editor on it, with the settings file in a fresh home folder. The editor is never
// put on the screen.
struct EditorFixture : ::testing::Test
{
    cvl::test::TemporaryFolder home;
    cvl::test::ScopedHome scopedHome{ home.get() };
    CorvaneAudioProcessor processor;
    std::unique_ptr<CorvaneAudioProcessorEditor> editor;

    void open() { editor = std::make_unique<CorvaneAudioProcessorEditor> (processor); }

    void close()
    {
        if (editor == nullptr)
            return;
        processor.editorBeingDeleted (editor.get());
        editor.reset();
    }

    void TearDown() override { close(); }

    void select (const juce::Identifier& list, const juce::String& text)
    {
        exl::SelectionModel::requestSelection (
            choiceNamed (editor->getUiModel().getChildWithName (list), text));
    }

    [[nodiscard]] juce::File settingsFile() const
    {
        return home.child ("HalvikAudio").getChildFile ("corvane.settings");
    }
};

TEST_F (EditorFixture, OpensCollapsedAndGrowsWithoutMovingItsCorner)
{
    open();
    EXPECT_EQ (processor.getOpenEditorCount().load(), 1);
    EXPECT_EQ (editor->getWidth(), 1000);
    EXPECT_EQ (editor->getHeight(), 657);
    EXPECT_EQ (editor->getMainComponent().getBounds(), juce::Rectangle<int> (0, 0, 1000, 657));

    editor->setTopLeftPosition (30, 40);
    editor->getUiModel().setProperty (UiModel::TransformEditorExpanded, true, nullptr);
    EXPECT_EQ (editor->getBounds(), juce::Rectangle<int> (30, 40, 1000, 838));
    editor->getUiModel().setProperty (UiModel::LfoEditorExpanded, true, nullptr);
    EXPECT_EQ (editor->getHeight(), 920);
    EXPECT_EQ (editor->getMainComponent().getEffectSection().getY(), 750);
    close();
    EXPECT_EQ (processor.getOpenEditorCount().load(), 0);
}

TEST_F (EditorFixture, SettingsSurviveReopeningTheEditor)
{
    open();
    editor->getUiModel().setProperty (UiModel::LfoEditorExpanded, true, nullptr);
    select (UiModel::Scale, "150%");
    select (UiModel::ThemeColour, "Blue");
    close();

    const auto settings = juce::XmlDocument::parse (settingsFile());
    ASSERT_NE (settings, nullptr);
    juce::StringPairArray stored;
    for (const auto* value : settings->getChildIterator())
        stored.set (value->getStringAttribute ("name"), value->getStringAttribute ("val"));
    EXPECT_EQ (stored["Scale"], "1.5");
    EXPECT_EQ (stored["LfoEditorExpanded"], "1");
    EXPECT_FALSE (stored.containsKey ("TransformEditorExpanded")) << "only changes are written";
    EXPECT_EQ (stored["ThemeColour"], "ff425c7f");

    open();
    EXPECT_EQ (editor->getHeight(), 739) << "the LFO editor is expanded again";
    EXPECT_FLOAT_EQ (editor->getAppliedScale(), 1.5f);
    EXPECT_FLOAT_EQ (editor->getTransform().mat00, 1.5f);
    const auto scales = editor->getUiModel().getChildWithName (UiModel::Scale);
    EXPECT_TRUE (static_cast<bool> (choiceNamed (scales, "150%")[exl::SelectionModel::Selected]));
    const auto themes = editor->getUiModel().getChildWithName (UiModel::ThemeColour);
    EXPECT_TRUE (static_cast<bool> (choiceNamed (themes, "Blue")[exl::SelectionModel::Selected]));
    auto& main = editor->getMainComponent();
    EXPECT_EQ (cvl::Colours::get (&main, cvl::Colours::TextHighlighted).getARGB(), 0xffd9dee5u);
    EXPECT_EQ (cvl::Colours::get (&main.getEffectSection(), cvl::Colours::Background).getARGB(), 0xff425c7fu);
    EXPECT_NE (
        juce::LookAndFeel::getDefaultLookAndFeel().findColour (cvl::Colours::TextHighlighted).getARGB(),
        0xffd9dee5u)
        << "the application's default colours stay untouched";
}

TEST_F (EditorFixture, ZoomIsHostScaleTimesUserScale)
{
    open();
    select (UiModel::Scale, "75%");
    editor->setScaleFactor (2.0f);
    EXPECT_FLOAT_EQ (editor->getAppliedScale(), 1.5f);
    EXPECT_FLOAT_EQ (editor->getTransform().mat00, 1.5f);
    select (UiModel::Scale, "100%");
    EXPECT_FLOAT_EQ (editor->getTransform().mat00, 2.0f);
}

TEST (CorvaneAudioProcessorEditor, DefaultZoomIsTheLargestStepThatFits)
{
    const std::pair<double, double> cases[] = { { 700.0, 0.5 },   { 300.0, 0.5 },  { 1080.0, 1.0 },
                                                { 1440.0, 1.25 }, { 2160.0, 2.0 }, { 4000.0, 2.0 } };
    for (const auto& [height, zoom] : cases)
        EXPECT_DOUBLE_EQ (CorvaneAudioProcessorEditor::defaultZoomFor (height), zoom) << height;
}

TEST_F (EditorFixture, OffersParametersAndTheirValuesTree)
{
    open();
    EXPECT_EQ (editor->getParameter ("Bypass"), processor.getBypassParameter());
    EXPECT_EQ (editor->getParameter ("NoSuchParameter"), nullptr);
    const auto ids = editor->getParameterIds();
    EXPECT_TRUE (std::is_sorted (ids.begin(), ids.end(),
                                 [] (const auto& a, const auto& b) { return a.toString() < b.toString(); }));

    auto values = editor->getParameterModel();
    EXPECT_EQ (values.getType().toString(), "ParameterValuesModel");
    EXPECT_FALSE (values.getChildWithName ("Bypass").isValid());
    juce::MessageManager::getInstance()->runDispatchLoopUntil (60);
    EXPECT_TRUE (values.hasProperty ("Bypass")) << "the 16 ms poll publishes every parameter";

    EXPECT_EQ (editor->getUiModel()[UiModel::WrapperTypeDesc].toString(),
               juce::AudioProcessor::getWrapperTypeDescription (processor.wrapperType));
    EXPECT_EQ (editor->getMonoModulatorsModel().getType().toString(), "CorvaneMonoModulatorsModel");
    EXPECT_EQ (editor->getModulationsModel().getNumProperties(), 10);
    EXPECT_EQ (editor->readTransformed (static_cast<cvl::PolyModulatorId> (7)).data(),
               editor->readTransformed (cvl::PolyModulatorId::VectorSpace1X).data());
}

TEST_F (EditorFixture, ThemesRecolourTheEffectSectionAndTheText)
{
    open();
    auto& main = editor->getMainComponent();
    select (UiModel::ThemeColour, "Blue");
    EXPECT_EQ (cvl::Colours::get (&main.getEffectSection(), cvl::Colours::Background).getARGB(), 0xff425c7fu);
    EXPECT_EQ (cvl::Colours::get (&main, cvl::Colours::Background).getARGB(), 0xff222222u);
    EXPECT_EQ (cvl::Colours::get (&main, cvl::Colours::TextHighlighted).getARGB(), 0xffd9dee5u);

    const auto snapshot = main.createComponentSnapshot (main.getLocalBounds());
    EXPECT_EQ (snapshot.getPixelAt (0, main.getEffectSection().getY()).getARGB(), 0xff425c7fu)
        << "the effect section's plate, where its gradient starts";
    // The margin left of every control: the background gradient under a faint noise.
    const auto averageRed = [&snapshot] (int y)
    {
        auto sum = 0;
        for (int dy = 0; dy < 6; ++dy)
            for (int x = 0; x < 6; ++x)
                sum += snapshot.getPixelAt (x, y + dy).getRed();
        return sum / 36;
    };
    const auto top = averageRed (0);
    const auto aboveEffects = averageRed (main.getEffectSection().getY() - 30);
    EXPECT_GE (top, 0x22) << "the main editor stays dark";
    EXPECT_LT (top, 0x30);
    EXPECT_LT (aboveEffects, top) << "the gradient darkens towards the effect section";
}

TEST_F (EditorFixture, LogoOpensOneAboutPopupInsetByAHundredPixels)
{
    open();
    editor->getUiModel().setProperty (UiModel::TransformEditorExpanded, true, nullptr);
    editor->getUiModel().setProperty (UiModel::LfoEditorExpanded, true, nullptr);
    auto& main = editor->getMainComponent();
    main.openAboutPopup();
    main.openAboutPopup();
    ASSERT_TRUE (main.isAboutPopupOpen());
    EXPECT_EQ (editor->getNumPopups(), 1);

    const auto* about =
        dynamic_cast<cvl::AboutPopup*> (editor->getChildComponent (editor->getNumChildComponents() - 1));
    ASSERT_NE (about, nullptr);
    EXPECT_EQ (about->getBounds(), juce::Rectangle<int> (50, 50, 900, 820));
    EXPECT_FALSE (about->getNoticeLabel().isVisible());
    EXPECT_TRUE (about->getVersionLabel().getText().startsWith ("1.0.0 / Linux / "));
    EXPECT_EQ (about->getScaleMenu().getNumButtons(), 7);

    editor->handleMousePress ({ 10, 10 });
    EXPECT_FALSE (main.isAboutPopupOpen());
}

TEST (AboutPopup, ReadsTheProcessorModelFromCpuinfo)
{
    const auto cpuinfo = juce::String ("processor\t: 0\nvendor_id\t: Some\nmodel name\t:  Fast Chip 3000 \n"
                                       "model name\t: Second\n");
    EXPECT_EQ (cvl::AboutPopup::processorModelName (cpuinfo), "Fast Chip 3000");
    EXPECT_EQ (cvl::AboutPopup::processorModelName ("nothing here"), "");
}
} // namespace
