#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace exl
{
// Repaints its component on every mouse event over it or its children, for hover looks. Message thread.
class MouseEventRepaint : public juce::MouseListener
{
public:
    explicit MouseEventRepaint (juce::Component* component);
    ~MouseEventRepaint() override;

    void mouseMove (const juce::MouseEvent&) override { repaint(); }
    void mouseEnter (const juce::MouseEvent&) override { repaint(); }
    void mouseExit (const juce::MouseEvent&) override { repaint(); }
    void mouseDown (const juce::MouseEvent&) override { repaint(); }
    void mouseDrag (const juce::MouseEvent&) override { repaint(); }
    void mouseUp (const juce::MouseEvent&) override { repaint(); }
    void mouseDoubleClick (const juce::MouseEvent&) override { repaint(); }
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override { repaint(); }

private:
    void repaint();

    juce::Component* component;

    JUCE_DECLARE_NON_COPYABLE (MouseEventRepaint)
};
} // namespace exl
