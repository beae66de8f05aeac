#pragma once

#include "editor/PluginEditor.h"
#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

#include "support/MouseEvents.h"
#include "support/ScopedHome.h"
#include "support/TemporaryFolder.h"

namespace cvl::test
{
// A processor and its editor shell, never on the screen: the shell is the component data and the
// popup host of the controls a test builds and adds to it. Settings go to a fresh home folder.
struct ShellFixture : ::testing::Test
{
    TemporaryFolder home;
    ScopedHome scopedHome{ home.get() };
    CorvaneAudioProcessor processor;
    std::unique_ptr<CorvaneAudioProcessorEditor> editor;

    void SetUp() override
    {
        editor = std::make_unique<CorvaneAudioProcessorEditor> (processor);
        pump();
    }

    void TearDown() override
    {
        editor->closeAllPopups();
        processor.editorBeingDeleted (editor.get());
        editor.reset();
    }

    // Long enough for the 16 ms polls to publish what changed.
    static void pump (int milliseconds = 60)
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
    }

    [[nodiscard]] IComponentData& data() { return *editor; }

    [[nodiscard]] juce::RangedAudioParameter& parameter (const juce::String& identifier)
    {
        auto* found = editor->getParameter (identifier);
        if (found == nullptr)
            throw std::runtime_error ("no parameter " + identifier.toStdString());
        return *found;
    }

    [[nodiscard]] float value (const juce::String& identifier) { return parameter (identifier).getValue(); }

    void set (const juce::String& identifier, float normalised)
    {
        parameter (identifier).setValueNotifyingHost (normalised);
    }

    // Adds a control to the shell, above the main editor, at the given bounds.
    template <typename Component>
    Component& place (Component& component, juce::Rectangle<int> bounds)
    {
        editor->addAndMakeVisible (component);
        component.setBounds (bounds);
        return component;
    }

    // The content of the most recently shown popup layer.
    [[nodiscard]] juce::Component* topPopup() const
    {
        return editor->getNumPopups() == 0 ? nullptr
                                           : editor->getChildComponent (editor->getNumChildComponents() - 1);
    }
};

inline juce::MouseEvent rightClick (juce::Component& component)
{
    return mouseEvent (component, component.getLocalBounds().getCentre().toFloat(),
                       juce::ModifierKeys::rightButtonModifier);
}
} // namespace cvl::test
