#pragma once

#include "editor/IComponentData.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>

namespace cvl
{
class ModulatedParameterSlider;

// Hover texts for the tooltip line: entering a registered component writes its text into the UI model's
// "Tooltip", leaving writes the empty text. Message thread.
class Tooltips : public juce::MouseListener
{
public:
    explicit Tooltips (juce::ValueTree uiModel);
    ~Tooltips() override;

    // Enters or replaces the component's text; listens to the component itself, not its children.
    void set (juce::Component& component, const juce::String& text);
    // The text goes on the slider's knob; its modulation visualizer gets none.
    void set (ModulatedParameterSlider& slider, const juce::String& text);

    [[nodiscard]] juce::String get (const juce::Component& component) const;

    void mouseEnter (const juce::MouseEvent& event) override;
    void mouseExit (const juce::MouseEvent& event) override;

private:
    juce::ValueTree ui;
    std::map<const juce::Component*, juce::String> texts;
    // Components may go before this object; the safe pointers let it detach from the living ones only.
    std::vector<juce::Component::SafePointer<juce::Component>> listened;

    JUCE_DECLARE_NON_COPYABLE (Tooltips)
};
} // namespace cvl
