#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace exl
{
// Reports the pointer entering (true) and leaving (false) an enabled component. Message thread.
class MouseHoverListener : public juce::MouseListener
{
public:
    explicit MouseHoverListener (juce::Component* component);
    ~MouseHoverListener() override;

    void mouseEnter (const juce::MouseEvent& event) override;
    void mouseExit (const juce::MouseEvent& event) override;

    std::function<void (bool)> onHover;

private:
    juce::Component* component;

    JUCE_DECLARE_NON_COPYABLE (MouseHoverListener)
};
} // namespace exl
