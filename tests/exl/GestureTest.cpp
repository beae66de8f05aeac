#include <exl_gui/exl_gui.h>
#include <exl_parameters/exl_parameters.h>
#include <gtest/gtest.h>

#include "support/MouseEvents.h"

namespace
{
using cvl::test::mouseEvent;
using cvl::test::wheelDetails;

constexpr auto left = juce::ModifierKeys::leftButtonModifier;
constexpr auto ctrl = juce::ModifierKeys::ctrlModifier;

std::unique_ptr<exl::Parameter> makeParameter (juce::NormalisableRange<float> range = { 0.0f, 1.0f },
                                               float defaultValue = 0.5f)
{
    return std::make_unique<exl::Parameter> ("Test", "Test", "Test", "", range, defaultValue, nullptr,
                                             nullptr, nullptr, 1);
}

// Counts the gestures and value changes the host would see.
struct HostView : juce::AudioProcessorParameter::Listener
{
    explicit HostView (juce::AudioProcessorParameter& p) : parameter (p) { parameter.addListener (this); }
    ~HostView() override { parameter.removeListener (this); }
    void parameterValueChanged (int, float) override { ++changes; }
    void parameterGestureChanged (int, bool starting) override { ++(starting ? begins : ends); }

    juce::AudioProcessorParameter& parameter;
    int begins = 0;
    int ends = 0;
    int changes = 0;
};

struct SliderFixture : ::testing::Test
{
    void SetUp() override { slider.setSize (100, 100); }

    void drag (juce::Point<float> by, int mods = left)
    {
        const juce::ModifierKeys keys (mods);
        listener.mouseDown (mouseEvent (slider, { 50.0f, 50.0f }, keys));
        listener.mouseDrag (mouseEvent (slider, juce::Point<float>{ 50.0f, 50.0f } + by, keys));
        listener.mouseUp (mouseEvent (slider, juce::Point<float>{ 50.0f, 50.0f } + by, keys));
    }

    juce::Component slider;
    std::unique_ptr<exl::Parameter> parameter = makeParameter();
    exl::ParameterSliderListener<exl::RotaryParameterDragHandler<exl::DragDirection::Both>> listener{
        slider, parameter.get()
    };
};

struct DragCase
{
    const char* name;
    int width;
    float start;
    juce::Point<float> movement;
    int mods;
    float expected;
};

TEST_F (SliderFixture, DragMovesByMovementOverTheSensitivitySize)
{
    const DragCase cases[] = {
        { "right 100 on a small slider", 100, 0.2f, { 100.0f, 0.0f }, left, 0.6f },
        { "right 100 with Ctrl", 100, 0.2f, { 100.0f, 0.0f }, left | ctrl, 0.28f },
        { "up 50", 100, 0.2f, { 0.0f, -50.0f }, left, 0.4f },
        { "right 100 on a 400 wide slider", 400, 0.2f, { 100.0f, 0.0f }, left, 0.45f },
        { "never above 1", 100, 0.9f, { 200.0f, 0.0f }, left, 1.0f },
        { "never below 0", 100, 0.1f, { 0.0f, 200.0f }, left, 0.0f },
        { "a right-button drag changes nothing",
          100,
          0.2f,
          { 100.0f, 0.0f },
          juce::ModifierKeys::rightButtonModifier,
          0.2f },
    };
    for (const auto& c : cases)
    {
        slider.setSize (c.width, 100);
        parameter->setValue (c.start);
        drag (c.movement, c.mods);
        EXPECT_NEAR (parameter->getValue(), c.expected, 1.0e-5f) << c.name;
    }
}

TEST_F (SliderFixture, DragIsOneGestureFromPressToRelease)
{
    HostView host (*parameter);
    const juce::ModifierKeys keys (left);
    listener.mouseDown (mouseEvent (slider, { 0.0f, 0.0f }, keys));
    for (int i = 1; i <= 5; ++i)
        listener.mouseDrag (mouseEvent (slider, { static_cast<float> (i), 0.0f }, keys));
    EXPECT_EQ (host.begins, 1);
    EXPECT_EQ (host.ends, 0);
    listener.mouseUp (mouseEvent (slider, { 5.0f, 0.0f }, keys));
    EXPECT_EQ (host.begins, 1);
    EXPECT_EQ (host.ends, 1);
    EXPECT_EQ (host.changes, 5);
}

TEST_F (SliderFixture, MiddleButtonResetsToTheDefault)
{
    HostView host (*parameter);
    parameter->setValue (0.9f);
    listener.mouseDown (
        mouseEvent (slider, { 10.0f, 10.0f }, juce::ModifierKeys (juce::ModifierKeys::middleButtonModifier)));
    EXPECT_FLOAT_EQ (parameter->getValue(), 0.5f);
    EXPECT_EQ (host.begins, 1);
    EXPECT_EQ (host.ends, 1);
}

TEST (ParameterSliderListener, WheelNotchesMoveByAStepOrOneInterval)
{
    struct Case
    {
        const char* name;
        juce::NormalisableRange<float> range;
        float deltaY;
        int mods;
        float expectedChange;
    };
    const Case cases[] = {
        { "continuous, up", { 0.0f, 1.0f }, 0.1f, 0, 0.05f },
        { "continuous, down", { 0.0f, 1.0f }, -0.1f, 0, -0.05f },
        { "continuous, Ctrl", { 0.0f, 1.0f }, 0.1f, ctrl, 0.01f },
        { "a delta of 0 counts as up", { 0.0f, 1.0f }, 0.0f, 0, 0.05f },
        { "stepped, up", { 0.0f, 10.0f, 1.0f }, 0.1f, 0, 0.1f },
        { "stepped, down with Ctrl", { 0.0f, 10.0f, 1.0f }, -0.1f, ctrl, -0.1f },
    };
    for (const auto& c : cases)
    {
        juce::Component slider;
        slider.setSize (50, 50);
        auto parameter = makeParameter (c.range, 5.0f);
        parameter->setValue (0.5f);
        HostView host (*parameter);
        exl::ParameterSliderListener<exl::RotaryParameterDragHandler<exl::DragDirection::Both>> listener (
            slider, parameter.get());
        listener.mouseWheelMove (mouseEvent (slider, {}, juce::ModifierKeys (c.mods)),
                                 wheelDetails (c.deltaY));
        EXPECT_NEAR (parameter->getValue() - 0.5f, c.expectedChange, 1.0e-5f) << c.name;
        EXPECT_EQ (host.begins, 1) << c.name;
        EXPECT_EQ (host.ends, 1) << c.name;
    }
}

TEST (ParameterHandler, NestedGesturesReachTheHostOnce)
{
    auto parameter = makeParameter();
    HostView host (*parameter);
    exl::ParameterHandler handler (parameter.get());
    handler.gestureBegin();
    handler.gestureBegin();
    handler.gestureSetValue (0.3f);
    handler.gestureEnd();
    EXPECT_EQ (host.ends, 0);
    handler.gestureBegin();
    handler.gestureEnd();
    handler.gestureEnd();
    handler.gestureEnd(); // unbalanced: ignored
    EXPECT_EQ (host.begins, 1);
    EXPECT_EQ (host.ends, 1);
    EXPECT_EQ (host.changes, 1);
}

TEST (ParameterHandler, WithoutAParameterEverythingIsNeutral)
{
    exl::ParameterHandler handler (nullptr);
    handler.gestureBegin();
    handler.gestureSetValue (0.7f);
    handler.gestureSetDefault();
    handler.gestureEnd();
    EXPECT_EQ (handler.gestureGetValue(), 0.0f);
    EXPECT_EQ (handler.gestureGetRange().end, 1.0f);
}

TEST (ParameterToggleButtonListener, FlipsAroundOneHalf)
{
    const std::pair<float, float> cases[] = {
        { 0.5f, 1.0f }, { 0.51f, 0.0f }, { 0.0f, 1.0f }, { 1.0f, 0.0f }
    };
    for (const auto& [before, after] : cases)
    {
        juce::Component button;
        button.setSize (20, 20);
        auto parameter = makeParameter();
        parameter->setValue (before);
        exl::ParameterToggleButtonListener listener (button, parameter.get());
        listener.mouseUp (mouseEvent (button, { 5.0f, 5.0f }));
        EXPECT_EQ (parameter->getValue(), after) << before;
    }
}

TEST (ValueTreeCallbacks, CallsInRegistrationOrderAndIgnoresOtherTypes)
{
    juce::ValueTree tree ("Model");
    juce::ValueTree child ("Other");
    tree.appendChild (child, nullptr);
    exl::ValueTreeCallbacks callbacks (tree);
    juce::StringArray calls;
    callbacks.addCallback (
        "P", [&] (juce::var v) { calls.add ("a" + v.toString()); }, true);
    callbacks.addCallback (
        "P", [&] (juce::var v) { calls.add ("b" + v.toString()); }, false);
    tree.setProperty ("P", 3, nullptr);
    child.setProperty ("P", 4, nullptr);
    tree.setProperty ("Q", 5, nullptr);
    EXPECT_EQ (calls.joinIntoString (","), "a,a3,b3");
}

TEST (ParameterValuesModel, PublishesEveryParameterOnceThenOnlyChanges)
{
    auto first = makeParameter();
    auto second = makeParameter();
    exl::ParameterValuesModel model;
    model.watch ("First", first.get());
    model.watch ("Second", second.get());
    auto tree = model.getTree();
    EXPECT_EQ (tree.getType().toString(), "ParameterValuesModel");

    struct Counter : juce::ValueTree::Listener
    {
        void valueTreePropertyChanged (juce::ValueTree&, const juce::Identifier&) override { ++count; }
        int count = 0;
    } counter;
    tree.addListener (&counter);

    model.timerCallback();
    EXPECT_EQ (counter.count, 2);
    EXPECT_DOUBLE_EQ (static_cast<double> (tree["First"]), 0.5);
    model.timerCallback();
    EXPECT_EQ (counter.count, 2);
    second->setValue (0.25f);
    model.timerCallback();
    EXPECT_EQ (counter.count, 3);
    EXPECT_DOUBLE_EQ (static_cast<double> (tree["Second"]), 0.25);
    tree.removeListener (&counter);
}

TEST (ToggleButtonVisualizer, PaintsOffUntilThePropertyArrivesThenOn)
{
    juce::ValueTree tree ("ParameterValuesModel");
    exl::ToggleButtonVisualizer visualizer (tree, "Bypass");
    visualizer.setSize (40, 20);
    const auto off = visualizer.createComponentSnapshot (visualizer.getLocalBounds()).getPixelAt (2, 10);
    tree.setProperty ("Bypass", 1.0, nullptr);
    const auto on = visualizer.createComponentSnapshot (visualizer.getLocalBounds()).getPixelAt (2, 10);
    EXPECT_EQ (off.getARGB(), 0xff642a2eu);
    EXPECT_EQ (on.getARGB(), 0xffaf4b51u);
}
} // namespace

namespace
{
TEST (MouseClickListener, ReportsReleasesInsideAnEnabledComponentWithTheirButtons)
{
    struct Case
    {
        const char* name;
        juce::Point<float> position;
        bool enabled;
        int mods;
        bool expectedCall;
    };
    const Case cases[] = {
        { "left inside", { 5.0f, 5.0f }, true, juce::ModifierKeys::leftButtonModifier, true },
        { "right inside, reported with its button",
          { 5.0f, 5.0f },
          true,
          juce::ModifierKeys::rightButtonModifier,
          true },
        { "released outside", { 50.0f, 5.0f }, true, juce::ModifierKeys::leftButtonModifier, false },
        { "disabled", { 5.0f, 5.0f }, false, juce::ModifierKeys::leftButtonModifier, false },
    };
    for (const auto& c : cases)
    {
        juce::Component button;
        button.setSize (20, 20);
        button.setEnabled (c.enabled);
        exl::MouseClickListener listener (&button);
        std::optional<juce::ModifierKeys> seen;
        listener.onClick = [&] (const juce::ModifierKeys& mods) { seen = mods; };
        listener.mouseUp (cvl::test::mouseEvent (button, c.position, juce::ModifierKeys (c.mods)));
        EXPECT_EQ (seen.has_value(), c.expectedCall) << c.name;
        if (seen)
        {
            EXPECT_EQ (seen->getRawFlags(), c.mods) << c.name;
        }
    }
}

TEST (MouseHoverListener, ReportsEnterAndExitOfAnEnabledComponent)
{
    juce::Component component;
    component.setSize (20, 20);
    exl::MouseHoverListener listener (&component);
    juce::StringArray calls;
    listener.onHover = [&] (bool over) { calls.add (over ? "enter" : "exit"); };
    listener.mouseEnter (cvl::test::mouseEvent (component, {}));
    listener.mouseExit (cvl::test::mouseEvent (component, {}));
    component.setEnabled (false);
    listener.mouseEnter (cvl::test::mouseEvent (component, {}));
    EXPECT_EQ (calls.joinIntoString (","), "enter,exit");
}
} // namespace
