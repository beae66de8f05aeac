#include "editor/Colours.h"
#include "editor/modulation/LfoEditor.h"
#include "editor/modulation/TransformEditor.h"
#include "editor/modulation/VectorSpaceVisualizer.h"
#include "models/UiModel.h"

#include "ShellFixture.h"

namespace
{
struct Editors : cvl::test::ShellFixture
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
    cvl::TransformEditor& transform (int space, int index)
    {
        return main().getVectorSpaceEditor (space - 1).getTransform (index - 1);
    }
};

TEST_F (Editors, TransformMenusMoveUpMoveDownAndReset)
{
    const auto items = [] (cvl::TransformEditor& t)
    {
        std::vector<int> ids;
        for (const auto& item : t.getOptionsMenu().getTree())
            ids.push_back (static_cast<int> (item["id"]));
        return ids;
    };
    EXPECT_EQ (items (transform (1, 1)), std::vector<int> ({ 2, 3 })) << "no Move Up for the first";
    EXPECT_EQ (items (transform (1, 2)), std::vector<int> ({ 1, 2, 3 }));
    EXPECT_EQ (items (transform (1, 4)), std::vector<int> ({ 1, 3 })) << "no Move Down for the last";

    const auto fillTransform = [this] (int t, float v)
    {
        const auto scope = "VectorSpace2Transform" + juce::String (t);
        set ("X_" + scope, v);
        set ("Y_" + scope, v + 0.1f);
        set ("X_" + scope + "_Macro4", v + 0.2f);
        set ("Type_" + scope, parameter ("Type_" + scope).convertTo0to1 (static_cast<float> (t)));
        set ("Enable_" + scope, t % 2 == 0 ? 1.0f : 0.0f);
    };
    fillTransform (2, 0.1f);
    fillTransform (3, 0.4f);
    transform (2, 3).performMenuItem (cvl::TransformEditor::MoveUp);
    EXPECT_FLOAT_EQ (value ("X_VectorSpace2Transform2"), 0.4f);
    EXPECT_FLOAT_EQ (value ("Y_VectorSpace2Transform2"), 0.5f);
    EXPECT_FLOAT_EQ (value ("X_VectorSpace2Transform2_Macro4"), 0.6f);
    EXPECT_FLOAT_EQ (value ("Type_VectorSpace2Transform2"),
                     parameter ("Type_VectorSpace2Transform2").convertTo0to1 (3.0f));
    EXPECT_FLOAT_EQ (value ("Enable_VectorSpace2Transform2"), 0.0f);
    EXPECT_FLOAT_EQ (value ("X_VectorSpace2Transform3"), 0.1f);
    EXPECT_FLOAT_EQ (value ("Enable_VectorSpace2Transform3"), 1.0f);

    transform (2, 2).performMenuItem (cvl::TransformEditor::MoveDown);
    EXPECT_FLOAT_EQ (value ("X_VectorSpace2Transform3"), 0.4f) << "moved back down";
    EXPECT_FLOAT_EQ (value ("X_VectorSpace2Transform3_Macro4"), 0.6f);

    transform (2, 3).performMenuItem (cvl::TransformEditor::Reset);
    for (const auto* name : { "X_", "Y_", "Type_", "Enable_", "X_VectorSpace2Transform3_Macro4" })
    {
        const auto identifier = juce::String (name).endsWith ("_")
                                    ? juce::String (name) + "VectorSpace2Transform3"
                                    : juce::String (name);
        EXPECT_FLOAT_EQ (value (identifier), parameter (identifier).getDefaultValue()) << identifier;
    }
    EXPECT_FLOAT_EQ (value ("X_VectorSpace2Transform2"), 0.1f) << "the neighbour keeps its values";
}

TEST_F (Editors, TransformTooltipsFollowTheTypeAndEnableGreysTheControls)
{
    auto& t = transform (1, 2);
    const auto type = [this] (int index)
    {
        set ("Type_VectorSpace1Transform2",
             parameter ("Type_VectorSpace1Transform2").convertTo0to1 (static_cast<float> (index)));
        pump();
    };
    type (5);
    EXPECT_EQ (t.getTooltips().get (*t.getX().getKnob()), "Transform 2 Amplitude");
    EXPECT_EQ (t.getTooltips().get (*t.getY().getKnob()), "Transform 2 Phase Shift");
    type (6);
    EXPECT_EQ (t.getTooltips().get (*t.getX().getKnob()), "Transform 2 Amount");
    EXPECT_EQ (t.getTooltips().get (*t.getY().getKnob()), "Transform 2 Pre Rotation");
    type (3);
    EXPECT_EQ (t.getTooltips().get (*t.getY().getKnob()), "Transform 2");
    EXPECT_EQ (t.getTooltips().get (t.getOptionsButton()), "Transform 2 Options");

    set ("Enable_VectorSpace1Transform2", 0.0f);
    pump();
    EXPECT_FALSE (t.getTypeButton().isEnabled());
    EXPECT_FALSE (t.getX().getKnob()->isEnabled());
    set ("Enable_VectorSpace1Transform2", 1.0f);
    pump();
    EXPECT_TRUE (t.getY().getKnob()->isEnabled());
}

TEST_F (Editors, LfoTooltipsEnableAndTheWave)
{
    auto& lfo = main().getLfo (2);
    EXPECT_EQ (lfo.getTooltips().get (*lfo.getScale().getKnob()), "LFO 3 Output Scale");
    EXPECT_EQ (lfo.getTooltips().get (lfo.getSyncTypeButton()), "LFO 3 Sync Type");
    set ("Enable_Lfo3", 0.0f);
    pump();
    EXPECT_FALSE (lfo.getShapeButton().isEnabled());
    EXPECT_FALSE (lfo.getFrequency().getKnob()->isEnabled());

    cvl::LfoEditor::Wave wave (editor->getMonoModulatorsModel(), 6);
    wave.push (0.5f);
    EXPECT_TRUE (wave.getHistory().empty()) << "no width, no history";
    EXPECT_EQ (wave.createComponentSnapshot ({ 0, 0, 1, 1 }).getPixelAt (0, 0).getAlpha(), 0);
    wave.setBounds (0, 0, 4, 12);
    for (int i = 0; i < 12; ++i)
        wave.push (static_cast<float> (i) / 12.0f);
    EXPECT_EQ (wave.getHistory().size(), 7u) << "fewer than twice the width";
    EXPECT_FLOAT_EQ (wave.getHistory().front(), 11.0f / 12.0f) << "newest first";
    editor->getMonoModulatorsModel().setProperty ("6", -1.0, nullptr);
    EXPECT_FLOAT_EQ (wave.getHistory().front(), -1.0f) << "follows the LFO's published value";
}

TEST_F (Editors, VisualizersMapTheSquareAndEmphasiseTheirModulators)
{
    auto& pair = main().getVisualizerPair (1);
    EXPECT_EQ (pair.getBounds(), juce::Rectangle<int> (374, 458, 250, 250)) << "centred square in its column";
    EXPECT_EQ (pair.getMain().getBounds(), pair.getLocalBounds());
    EXPECT_EQ (pair.mapPoint ({ 1.0f, 1.0f }), juce::Point<float> (240.0f, 10.0f))
        << "top right of the inset";
    EXPECT_EQ (pair.mapPoint ({ -1.0f, -1.0f }), juce::Point<float> (10.0f, 240.0f));
    EXPECT_EQ (pair.mapPoint ({ 5.0f, 0.0f }), juce::Point<float> (240.0f, 125.0f)) << "clamped";
    EXPECT_EQ (pair.getYArea().getBounds(), juce::Rectangle<int> (15, 40, 10, 170));
    EXPECT_EQ (pair.getXArea().getBounds(), juce::Rectangle<int> (40, 225, 170, 10));

    EXPECT_FALSE (pair.getXArea().emphasised);
    editor->getModulationsModel().setProperty ("VectorSpace2X", true, nullptr);
    EXPECT_TRUE (pair.getXArea().emphasised);
    EXPECT_FALSE (pair.getYArea().emphasised);

    set ("VoiceCount", 0.0f);
    pump();
    EXPECT_EQ (pair.readPoints().size(), 1u) << "one voice, one dot";
}
TEST_F (Editors, MainEditorPlacesTheControlsAndTheSectionTogglesFlipTheirRows)
{
    EXPECT_EQ (main().getVoiceCount().getBounds(), juce::Rectangle<int> (512, 41, 158, 25));
    EXPECT_EQ (main().getBypass().getBounds(), juce::Rectangle<int> (512, 77, 70, 25));
    EXPECT_EQ (main().getMix().getBounds(), juce::Rectangle<int> (650, 79, 20, 20));
    EXPECT_EQ (main().getMacro (3).getBounds(), juce::Rectangle<int> (919, 6, 75, 66));
    EXPECT_EQ (main().getMacro (3).getEmphasisArea().getBounds(), juce::Rectangle<int> (0, 0, 75, 66));
    EXPECT_EQ (main().getTooltipLine().getBounds(), juce::Rectangle<int> (26, 714, 948, 30));
    EXPECT_EQ (main().getLfo (4).getWave().isVisible(), true);

    auto& toggle = main().getLfoToggle();
    // The arrow's square: 5 pixels inside the toggle's left 35 by 35.
    const auto arrow = [&toggle] { return toggle.createComponentSnapshot ({ 5, 5, 25, 25 }); };
    const auto expandedArrow = arrow();
    toggle.getClickListener().mouseUp (cvl::test::rightClick (toggle));
    EXPECT_TRUE (static_cast<bool> (editor->getUiModel()[cvl::UiModel::LfoEditorExpanded]))
        << "left button only";
    toggle.getClickListener().mouseUp (cvl::test::mouseEvent (toggle, { 10.0f, 10.0f }));
    EXPECT_FALSE (static_cast<bool> (editor->getUiModel()[cvl::UiModel::LfoEditorExpanded]));
    EXPECT_EQ (editor->getHeight(), 838);
    EXPECT_EQ (main().getLfo (4).getWave().getHeight(), 0);
    EXPECT_FALSE (main().getLfo (4).getWave().isVisible()) << "a collapsed row hides its controls";
    EXPECT_EQ (main().getTransformToggle().getY(), 160);
    EXPECT_EQ (main().getTooltipLine().getHeight(), 24);
    const auto collapsedArrow = arrow();
    auto differing = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            differing += collapsedArrow.getPixelAt (x, y) != expandedArrow.getPixelAt (x, y) ? 1 : 0;
    EXPECT_GT (differing, 20) << "the arrow turns";
}
} // namespace
