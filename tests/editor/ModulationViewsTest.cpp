#include "editor/Colours.h"
#include "editor/modulation/VectorSpaceVisualizer.h"
#include "editor/overlay/ModulationVisualizer.h"
#include "editor/overlay/ModulationVisualizerPainter.h"
#include "editor/overlay/ModulationsOverlay.h"
#include "models/FakeComponentData.h"
#include "models/UiModel.h"

#include "ShellFixture.h"

namespace
{
struct NoPopup : exl::IPopupHandle
{
    void setSize (int, int) override {}
    void destroy() override { ++destroyed; }
    bool isValid() override { return true; }
    int destroyed = 0;
};

struct Overlay : cvl::test::ShellFixture
{
    void SetUp() override
    {
        ShellFixture::SetUp();
        auto ui = editor->getUiModel();
        ui.setProperty (cvl::UiModel::LfoEditorExpanded, true, nullptr);
        ui.setProperty (cvl::UiModel::TransformEditorExpanded, true, nullptr);
        pump (20);
    }

    cvl::CorvaneEditor& main() { return editor->getMainComponent(); }
};

TEST (ModulationsOverlay, LabelsKeepOnlyTheModulatorLetters)
{
    const std::pair<const char*, const char*> cases[] = {
        { "Lfo1", "L1" }, { "Macro2", "M2" }, { "VectorSpace1X", "V1X" }, { "VectorSpace3Y", "V3Y" }
    };
    for (const auto& [name, label] : cases)
        EXPECT_EQ (cvl::ModulationsOverlay::shortLabel (name), label);
}

TEST_F (Overlay, AnLfoOnTwoControlsDrawsTwoCurvesFromItsEditor)
{
    for (auto& identifier : editor->getParameterIds())
        if (identifier.toString().contains ("_Lfo1") && parameter (identifier.toString()).getValue() != 0.5f)
            set (identifier.toString(), 0.5f);
    set ("X_VectorSpace1Transform1_Lfo1", 0.8f);
    set ("Frequency_Lfo2_Lfo1", 0.2f);

    NoPopup handle;
    cvl::ModulationsOverlay overlay (data(), handle);
    overlay.setBounds (main().getLocalBounds());
    main().addAndMakeVisible (overlay);

    std::vector<cvl::ModulationsOverlay::Curve> fromLfo1;
    for (const auto& curve : overlay.getCurves())
        if (curve.modulator == "Lfo1")
            fromLfo1.push_back (curve);
    ASSERT_EQ (fromLfo1.size(), 2u);
    const auto& source = main().getLfo (0).getEmphasisArea();
    for (const auto& curve : fromLfo1)
        EXPECT_EQ (curve.source, source.getBounds().getCentre().toFloat());
    auto* xKnob = main().getVectorSpaceEditor (0).getTransform (0).getX().getKnob();
    auto* frequencyKnob = main().getLfo (1).getFrequency().getKnob();
    const auto centreOf = [&overlay] (juce::Component* c)
    { return overlay.getLocalPoint (c, c->getLocalBounds().getCentre().toFloat()); };
    EXPECT_EQ (fromLfo1[0].parameter == "X_VectorSpace1Transform1" ? fromLfo1[0].control
                                                                   : fromLfo1[1].control,
               centreOf (xKnob));
    EXPECT_EQ (fromLfo1[0].parameter == "Frequency_Lfo2" ? fromLfo1[0].control : fromLfo1[1].control,
               centreOf (frequencyKnob));

    // The source end carries the labelled 25-pixel disc, the control end a plain 10-pixel one.
    const auto image = overlay.createComponentSnapshot (overlay.getLocalBounds());
    const auto text = cvl::Colours::get (&overlay, cvl::Colours::Text);
    const auto controlPoint = centreOf (xKnob).toInt();
    EXPECT_EQ (image.getPixelAt (controlPoint.x + 3, controlPoint.y), text);
    EXPECT_NE (image.getPixelAt (controlPoint.x + 8, controlPoint.y - 8), text);
    const auto sourcePoint = source.getBounds().getCentre();
    EXPECT_EQ (image.getPixelAt (sourcePoint.x, sourcePoint.y + 10), text);

    overlay.mouseDown (cvl::test::mouseEvent (overlay, {}));
    EXPECT_EQ (handle.destroyed, 1) << "a click closes the overlay";
    main().removeChildComponent (&overlay);
}

TEST_F (Overlay, ZeroAmountsAndUnplacedControlsGetNoCurve)
{
    for (auto& identifier : editor->getParameterIds())
    {
        const auto parts = cvl::ParameterId::fromString (identifier.toString());
        if (parts.modulator.isNotEmpty() && parts.modClass != parts.modulator)
            set (identifier.toString(), 0.5f);
    }
    set ("Frequency_Lfo4_Macro2", 0.9f);
    NoPopup handle;
    cvl::ModulationsOverlay overlay (data(), handle);
    main().addAndMakeVisible (overlay);
    ASSERT_EQ (overlay.getCurves().size(), 1u);
    EXPECT_EQ (overlay.getCurves()[0].modulator, "Macro2");

    set ("DelayTime2_Effect_VectorSpace2X", 0.9f);
    set ("ProcessorType3", 0.0f);
    pump();
    overlay.rebuild();
    EXPECT_EQ (overlay.getCurves().size(), 1u) << "no delay editor shows, so no curve to it";
    main().removeChildComponent (&overlay);
}

TEST_F (Overlay, VisualizersShowNothingWithoutAmountsAndTheRangeWithThem)
{
    const auto id = cvl::ParameterId::fromString ("X_VectorSpace2Transform3");
    cvl::MonoModulationVisualizer mono (data(), id);
    set ("X_VectorSpace2Transform3", 0.75f);
    pump();
    EXPECT_TRUE (mono.getRange().isEmpty());
    set ("X_VectorSpace2Transform3_Macro1", 0.6f); // an amount of 0.2
    set ("X_VectorSpace2Transform3_Lfo3", 0.35f);  // an amount of -0.3
    pump();
    EXPECT_NEAR (mono.getRange().getStart(), 0.5f - 0.5f, 1e-5f);
    EXPECT_NEAR (mono.getRange().getEnd(), 0.5f + 0.5f, 1e-5f);

    const auto effectId = cvl::ParameterId::fromString ("FilterCutoff1_Effect");
    cvl::PolyModulationVisualizer poly (data(), effectId);
    set ("FilterCutoff1_Effect", 0.5f);
    pump();
    EXPECT_TRUE (poly.getRange().isEmpty());
    set ("FilterCutoff1_Effect_VectorSpace1Y", 1.0f);
    set ("VoiceCount", parameter ("VoiceCount").convertTo0to1 (4.0f));
    pump();
    EXPECT_NEAR (poly.getRange().getLength(), 2.0f, 1e-5f);
    const auto positions = poly.getVoicePositions();
    ASSERT_EQ (positions.size(), 4u);
    const auto ys = data().getVectorSpaceAccess().readTransformed (cvl::PolyModulatorId::VectorSpace1Y);
    for (std::size_t v = 0; v < positions.size(); ++v)
        EXPECT_NEAR (positions[v], 0.0f + 1.0f * ys[v], 1e-5f);
}

TEST (VectorSpaceVisualizer, OneVoiceIsOneDotAndTheCornerMapsToTheInsetCorner)
{
    cvl::test::FakeComponentData data;
    juce::LookAndFeel_V4 lookAndFeel;
    cvl::Colours::set (lookAndFeel, cvl::Colours::Type::Terminal,
                       juce::Colour (cvl::Colours::DefaultFrontPlate));
    data.row.fill (1.0f);
    data.parameters.setProperty ("VoiceCount", 0.0, nullptr); // one voice

    cvl::VectorSpaceVisualizer cloud (data, 2, false);
    cloud.setLookAndFeel (&lookAndFeel);
    cloud.setBounds (0, 0, 100, 100);
    ASSERT_EQ (cloud.readPoints().size(), 1u);
    const auto image = cloud.createComponentSnapshot (cloud.getLocalBounds());
    EXPECT_GT (image.getPixelAt (90, 10).getAlpha(), 0x80) << "(1, 1) is the top right of the inset area";
    EXPECT_EQ (image.getPixelAt (50, 50).getAlpha(), 0) << "one voice draws no line";
    EXPECT_EQ (image.getPixelAt (10, 90).getAlpha(), 0);

    data.parameters.setProperty ("VoiceCount", 1.0 / 15.0, nullptr); // two voices
    data.row[1] = -1.0f;
    // The second voice at (-1, -1) and a glowing line between the two.
    const auto two = cloud.createComponentSnapshot (cloud.getLocalBounds());
    EXPECT_GT (two.getPixelAt (10, 90).getAlpha(), 0x80);
    EXPECT_GT (two.getPixelAt (50, 50).getAlpha(), 0);

    cvl::VectorSpaceVisualizer preview (data, 2, true);
    preview.setLookAndFeel (&lookAndFeel);
    preview.setBounds (0, 0, 100, 100);
    const auto grid = preview.createComponentSnapshot (preview.getLocalBounds());
    const auto gridColour = cvl::Colours::get (&preview, cvl::Colours::Background).darker (0.4f);
    for (const auto x : { 10, 30, 50, 70, 90 })
        EXPECT_EQ (grid.getPixelAt (x, 40), gridColour) << x;
    EXPECT_EQ (grid.getPixelAt (40, 40).getAlpha(), 0);
    cloud.setLookAndFeel (nullptr);
    preview.setLookAndFeel (nullptr);
}

TEST (ModulationVisualizerPainter, MapsMinusOneToOneOntoTheKnobArc)
{
    juce::Image image (juce::Image::ARGB, 44, 44, true);
    juce::Graphics g (image);
    cvl::ModulationVisualizerPainter painter (g, { 0, 0, 44, 44 }, juce::Colours::white);
    // Radius 20 around (22, 22); 0 is straight up, the ends at plus and minus 144 degrees.
    const auto top = painter.pointFor (0.0f);
    EXPECT_NEAR (top.x, 22.0f, 1e-4f);
    EXPECT_NEAR (top.y, 2.0f, 1e-4f);
    const auto end = painter.pointFor (1.0f);
    EXPECT_NEAR (end.x, 22.0f + 20.0f * std::sin (juce::degreesToRadians (144.0f)), 1e-3f);
    EXPECT_NEAR (end.y, 22.0f - 20.0f * std::cos (juce::degreesToRadians (144.0f)), 1e-3f);
    EXPECT_EQ (painter.pointFor (3.0f), end) << "clamped";
    painter.paintPoint (0.0f);
    EXPECT_EQ (image.getPixelAt (22, 2), juce::Colours::white);
}
} // namespace
