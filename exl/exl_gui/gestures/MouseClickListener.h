#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace exl
{
// Calls its callback on a mouse release inside an enabled component (children included) with the
// event's modifiers, buttons included; owners check the button themselves. Message thread.
class MouseClickListener : public juce::MouseListener
{
public:
    explicit MouseClickListener (juce::Component* component);
    ~MouseClickListener() override;

    void mouseUp (const juce::MouseEvent& event) override;

    std::function<void (const juce::ModifierKeys&)> onClick;

private:
    juce::Component* component;

    JUCE_DECLARE_NON_COPYABLE (MouseClickListener)
};
} // namespace exl
