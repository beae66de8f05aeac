#pragma once

#include "IDragHandler.h"

#include <memory>

namespace exl
{
// Serves drags on a component and its children: a press creates a handler, drags feed it, the release
// (or the next press) destroys it. Ignores a disabled component. Message thread.
class DragArea : public juce::MouseListener
{
public:
    explicit DragArea (juce::Component& component);
    ~DragArea() override;

    void mouseDown (const juce::MouseEvent& event) override;
    void mouseDrag (const juce::MouseEvent& event) override;
    void mouseUp (const juce::MouseEvent& event) override;

protected:
    virtual std::unique_ptr<IDragHandler> createDragHandler (const juce::MouseEvent& event);
    [[nodiscard]] bool isEnabled() const { return component.isEnabled(); }

    juce::Component& component;

private:
    std::unique_ptr<IDragHandler> handler;
    juce::Point<float> lastPosition;

    JUCE_DECLARE_NON_COPYABLE (DragArea)
};
} // namespace exl
