#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace exl
{
// Receives the movement of one mouse drag, from press to release. Message thread.
class IDragHandler
{
public:
    virtual ~IDragHandler() = default;
    // delta: pointer movement since the previous drag event, in the serving component's pixels.
    virtual void dragEvent (const juce::MouseEvent& event, juce::Point<float> delta) = 0;
};
} // namespace exl
