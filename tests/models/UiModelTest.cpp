#include "models/UiModel.h"
#include "models/ParameterModel.h"
#include "models/PropertiesModel.h"

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

juce::String selectedText (const juce::ValueTree& choices)
{
    for (const auto& child : choices)
        if (static_cast<bool> (child[exl::SelectionModel::Selected]))
            return child[exl::ChoiceParameterModel::ChoiceText].toString();
    return {};
}

struct PropertyCounter : juce::ValueTree::Listener
{
    explicit PropertyCounter (juce::ValueTree t) : tree (t) { tree.addListener (this); }
    ~PropertyCounter() override { tree.removeListener (this); }
    void valueTreePropertyChanged (juce::ValueTree& changed, const juce::Identifier& id) override
    {
        if (changed == tree)
            seen.add (id.toString());
    }
    juce::ValueTree tree;
    juce::StringArray seen;
};

TEST (UiModel, StartsCollapsedWithTheDefaultThemeAndTheNearestZoomSelected)
{
    UiModel model (1.25, {});
    const auto tree = model.getTree();
    EXPECT_EQ (tree.getType().toString(), "CorvaneUiModel");
    EXPECT_FALSE (static_cast<bool> (tree[UiModel::LfoEditorExpanded]));
    EXPECT_FALSE (static_cast<bool> (tree[UiModel::TransformEditorExpanded]));
    EXPECT_EQ (tree[UiModel::ThemeColour].toString(), "ff642b36");
    EXPECT_EQ (selectedText (tree.getChildWithName (UiModel::Scale)), "125%");
    EXPECT_EQ (selectedText (tree.getChildWithName (UiModel::ThemeColour)), "");
    EXPECT_EQ (tree.getChildWithName (UiModel::ThemeColour).getNumChildren(), 7);
    EXPECT_EQ (
        choiceNamed (tree.getChildWithName (UiModel::ThemeColour), "Blue")[UiModel::ChoiceValue].toString(),
        "ff425c7f");

    UiModel stored (1.5, "ff425c7f");
    EXPECT_EQ (selectedText (stored.getTree().getChildWithName (UiModel::Scale)), "150%");
    EXPECT_EQ (selectedText (stored.getTree().getChildWithName (UiModel::ThemeColour)), "Blue");
    EXPECT_EQ (stored.getTree()[UiModel::ThemeColour].toString(), "ff425c7f");
}

TEST (UiModel, ChoosingAChoiceSetsItsPropertyAndAnEqualValueNotifiesNobody)
{
    UiModel model (1.0, {});
    auto tree = model.getTree();
    PropertyCounter counter (tree);
    const auto scales = tree.getChildWithName (UiModel::Scale);

    exl::SelectionModel::requestSelection (choiceNamed (scales, "150%"));
    EXPECT_DOUBLE_EQ (static_cast<double> (tree[UiModel::Scale]), 1.5);
    exl::SelectionModel::requestSelection (choiceNamed (scales, "150%"));
    EXPECT_EQ (counter.seen.joinIntoString (","), "Scale");

    exl::SelectionModel::requestSelection (
        choiceNamed (tree.getChildWithName (UiModel::ThemeColour), "Green"));
    EXPECT_EQ (tree[UiModel::ThemeColour].toString(), "ff2b4f32");
}

TEST (PropertiesModel, SyncedPropertiesSurviveAsTextInTheSettingsFile)
{
    cvl::test::TemporaryFolder home;
    cvl::test::ScopedHome scopedHome (home.get());
    const auto settingsFile = home.child ("HalvikAudio").getChildFile ("corvane.settings");
    {
        UiModel model (1.0, {});
        cvl::PropertiesModel properties (model.getTree());
        properties.addSyncedProperty (UiModel::LfoEditorExpanded);
        properties.addSyncedProperty (UiModel::Scale);
        EXPECT_FALSE (settingsFile.exists()) << "nothing stored, nothing restored, nothing written";

        model.getTree().setProperty (UiModel::LfoEditorExpanded, true, nullptr);
        exl::SelectionModel::requestSelection (
            choiceNamed (model.getTree().getChildWithName (UiModel::Scale), "150%"));
        ASSERT_TRUE (settingsFile.existsAsFile());
    }
    const auto xml = juce::XmlDocument::parse (settingsFile);
    ASSERT_NE (xml, nullptr);
    juce::StringPairArray stored;
    for (const auto* value : xml->getChildIterator())
        stored.set (value->getStringAttribute ("name"), value->getStringAttribute ("val"));
    EXPECT_EQ (stored["Scale"], "1.5");
    EXPECT_EQ (stored["LfoEditorExpanded"], "1");

    UiModel reopened (1.0, {});
    cvl::PropertiesModel properties (reopened.getTree());
    properties.addSyncedProperty (UiModel::LfoEditorExpanded);
    properties.addSyncedProperty (UiModel::Scale);
    EXPECT_TRUE (static_cast<bool> (reopened.getTree()[UiModel::LfoEditorExpanded]));
    EXPECT_TRUE (reopened.getTree()[UiModel::LfoEditorExpanded].isString());
    EXPECT_DOUBLE_EQ (static_cast<double> (reopened.getTree()[UiModel::Scale]), 1.5);
}

TEST (ParameterModel, AmountsHangUnderTheParameterTheyModulate)
{
    juce::ValueTree root ("ParameterValuesModel");
    for (const auto* id :
         { "Bypass", "DelayTime0_Effect_VectorSpace1X", "DelayTime0_Effect",
           "DelayTime0_Effect_VectorSpace2Y", "Frequency_Lfo1_Lfo1", "Frequency_Lfo1_Macro1", "Mix_Global" })
        cvl::ParameterModel::addParameterNode (root, id);

    EXPECT_FALSE (root.getChildWithName ("Bypass").isValid());
    EXPECT_EQ (root.getNumChildren(), 3);
    const auto delay =
        cvl::ParameterModel (root.getChildWithName ("DelayTime0_Effect")).getModulatorAssignmentParameters();
    ASSERT_EQ (delay.size(), 2u);
    EXPECT_EQ (delay[0].toString(), "DelayTime0_Effect_VectorSpace1X");
    EXPECT_EQ (delay[1].toString(), "DelayTime0_Effect_VectorSpace2Y");
    const auto lfo =
        cvl::ParameterModel (root.getChildWithName ("Frequency_Lfo1")).getModulatorAssignmentParameters();
    ASSERT_EQ (lfo.size(), 1u);
    EXPECT_EQ (lfo[0].toString(), "Frequency_Lfo1_Macro1");
    EXPECT_TRUE (cvl::ParameterModel (root.getChildWithName ("Mix_Global"))
                     .getModulatorAssignmentParameters()
                     .empty());
    EXPECT_TRUE (cvl::ParameterModel (juce::ValueTree()).getModulatorAssignmentParameters().empty());
}
} // namespace
