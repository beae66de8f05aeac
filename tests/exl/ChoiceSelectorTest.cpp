#include <exl_gui/exl_gui.h>
#include <exl_parameters/exl_parameters.h>
#include <gtest/gtest.h>

namespace
{
std::unique_ptr<exl::ChoiceParameter> makeChoice (int selected = 0)
{
    auto parameter = std::make_unique<exl::ChoiceParameter> (
        "Type", "Type", "Type", "", juce::StringArray{ "A", "B", "C", "D" }, 0, nullptr, 1);
    parameter->setValue (parameter->getNormalisableRange().convertTo0to1 (static_cast<float> (selected)));
    return parameter;
}

juce::ValueTree makeChoices (int count)
{
    juce::ValueTree root ("Menu");
    for (int i = 0; i < count; ++i)
        root.appendChild (
            juce::ValueTree ("choice", { { exl::ChoiceParameterModel::ChoiceText, juce::String (i) } }),
            nullptr);
    return root;
}

struct Follower : exl::SelectionModelListener
{
    using exl::SelectionModelListener::SelectionModelListener;
    void onSelectedTreeChanged (juce::ValueTree tree) override { seen.push_back (tree); }
    std::vector<juce::ValueTree> seen;
};

int selectedIndex (const juce::ValueTree& root)
{
    for (int i = 0; i < root.getNumChildren(); ++i)
        if (static_cast<bool> (root.getChild (i)[exl::SelectionModel::Selected]))
            return i;
    return -1;
}

TEST (SelectionModel, ARequestSelectsOneChildAndNotifiesFollowersEveryTime)
{
    auto root = makeChoices (3);
    exl::SelectionModel selection (root);
    Follower follower (root);

    exl::SelectionModel::requestSelection (root.getChild (1));
    exl::SelectionModel::requestSelection (root.getChild (2));
    exl::SelectionModel::requestSelection (root.getChild (2));

    EXPECT_EQ (selectedIndex (root), 2);
    EXPECT_FALSE (static_cast<bool> (root.getChild (1)[exl::SelectionModel::Selected]));
    EXPECT_FALSE (static_cast<bool> (root.getChild (2)[exl::SelectionModel::RequestSelection]));
    ASSERT_EQ (follower.seen.size(), 3u);
    EXPECT_EQ (follower.seen[2], root.getChild (2));
    EXPECT_EQ (selection.getSelected(), root.getChild (2));
}

struct HostView : juce::AudioProcessorParameter::Listener
{
    explicit HostView (juce::AudioProcessorParameter& p) : parameter (p) { parameter.addListener (this); }
    ~HostView() override { parameter.removeListener (this); }
    void parameterValueChanged (int, float) override { ++changes; }
    void parameterGestureChanged (int, bool starting) override { begins += starting ? 1 : 0; }
    juce::AudioProcessorParameter& parameter;
    int changes = 0;
    int begins = 0;
};

TEST (ChoiceSelector, BuildsOneChoicePerStepAndSelectsTheCurrentOne)
{
    auto parameter = makeChoice (2);
    HostView host (*parameter);
    exl::ChoiceSelector selector (parameter.get());
    const auto tree = selector.getChoiceTree();

    EXPECT_EQ (tree.getType().toString(), "ChoiceParameterModel");
    EXPECT_EQ (tree[exl::ChoiceParameterModel::ParameterId].toString(), "Type");
    ASSERT_EQ (tree.getNumChildren(), 4);
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ (tree.getChild (i).getType().toString(), "Choice");
        EXPECT_EQ (static_cast<int> (tree.getChild (i)[exl::ChoiceParameterModel::ChoiceIndex]), i);
    }
    EXPECT_EQ (tree.getChild (3)[exl::ChoiceParameterModel::ChoiceText].toString(), "D");
    EXPECT_EQ (selectedIndex (tree), 2);
    EXPECT_EQ (host.changes, 0) << "opening a selector does not set its parameter";
    EXPECT_EQ (selector.getNumButtons(), 4);
    EXPECT_EQ (selector.getButton (1)->getName(), "B");
}

TEST (ChoiceSelector, SelectingAChoiceSetsTheParameterEvenWhenAlreadySelected)
{
    auto parameter = makeChoice (1);
    HostView host (*parameter);
    exl::ChoiceSelector selector (parameter.get());
    const auto tree = selector.getChoiceTree();

    exl::SelectionModel::requestSelection (tree.getChild (3));
    EXPECT_FLOAT_EQ (parameter->getValue(), 1.0f);
    exl::SelectionModel::requestSelection (tree.getChild (3));
    EXPECT_EQ (host.begins, 2);
    EXPECT_EQ (host.changes, 2);
}

TEST (ChoiceSelector, FollowsAHostChangeAtTheNextTick)
{
    auto parameter = makeChoice (0);
    exl::ChoiceSelector selector (parameter.get());
    parameter->setValue (parameter->getNormalisableRange().convertTo0to1 (2.0f));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (60);
    EXPECT_EQ (selectedIndex (selector.getChoiceTree()), 2);
}

TEST (ChoiceSelector, ANonDiscreteParameterGivesAnErrorTreeAndNoButtons)
{
    exl::Parameter continuous ("Gain", "Gain", "Gain", "", { 0.0f, 1.0f }, 0.0f, nullptr, nullptr, nullptr,
                               1);
    exl::ChoiceSelector selector (&continuous);
    EXPECT_EQ (selector.getChoiceTree().getType().toString(), "Error");
    EXPECT_EQ (selector.getNumButtons(), 0);
}

// The tree mode, as the editor's menus use it.
struct Menu : exl::ChoiceSelector
{
    Menu (juce::ValueTree choices, int gapAndMargin)
    {
        setGap (gapAndMargin);
        setMargin (gapAndMargin);
        buildButtonComponents (choices);
    }
};

TEST (ChoiceSelector, StacksButtonsInsideTheMarginSeparatedByTheGap)
{
    struct Case
    {
        int count;
        int gapAndMargin;
        int height;
        int expectedButtonHeight;
        int expectedSecondY;
    };
    const Case cases[] = {
        { 3, 0, 120, 40, 40 }, { 3, 6, 117, 31, 43 }, { 1, 6, 100, 88, 0 }, { 4, 6, 170, 35, 47 }
    };
    for (const auto& c : cases)
    {
        Menu menu (makeChoices (c.count), c.gapAndMargin);
        menu.setSize (200, c.height);
        EXPECT_EQ (menu.getButton (0)->getBounds(),
                   juce::Rectangle<int> (c.gapAndMargin, c.gapAndMargin, 200 - 2 * c.gapAndMargin,
                                         c.expectedButtonHeight));
        if (c.count > 1)
        {
            EXPECT_EQ (menu.getButton (1)->getY(), c.expectedSecondY);
        }
    }
}

TEST (ChoiceParameterGesture, StepsStayInsideTheRange)
{
    struct Case
    {
        juce::NormalisableRange<float> range;
        float start;
        int steps;
        float expected;
    };
    const Case cases[] = {
        { { 0.0f, 3.0f, 1.0f }, 3.0f, 1, 3.0f },  { { 0.0f, 3.0f, 1.0f }, 1.0f, 1, 2.0f },
        { { 0.0f, 3.0f, 1.0f }, 1.0f, -2, 0.0f }, { { 1.0f, 16.0f }, 1.0f, -1, 1.0f },
        { { 1.0f, 16.0f }, 4.0f, 3, 7.0f },
    };
    for (const auto& c : cases)
    {
        exl::Parameter parameter ("Count", "Count", "Count", "", c.range, c.start, nullptr, nullptr, nullptr,
                                  1);
        parameter.setValue (c.range.convertTo0to1 (c.start));
        exl::ParameterHandler handler (&parameter);
        exl::ChoiceParameterGesture gesture (handler);
        handler.gestureBegin();
        gesture.affectChoice (c.steps);
        handler.gestureEnd();
        EXPECT_NEAR (c.range.convertFrom0to1 (parameter.getValue()), c.expected, 1.0e-4f)
            << c.start << " " << c.steps;
    }
}
} // namespace
