#pragma once

#include "DragArea.h"
#include "ParameterHandler.h"

#include <algorithm>
#include <cmath>

namespace exl
{
// Drag, wheel and middle-button reset on a slider's parameter. Message thread.
template <typename Handler>
class ParameterSliderListener : public DragArea
{
public:
    static constexpr float wheelStep = 0.05f;
    static constexpr float fineFactor = 5.0f;

    ParameterSliderListener (juce::Component& componentToServe, juce::RangedAudioParameter* parameter,
                             bool wheelEnabled = true)
        : DragArea (componentToServe), handler (parameter), wheel (wheelEnabled)
    {
    }

    void mouseDown (const juce::MouseEvent& event) override
    {
        if (event.mods.isMiddleButtonDown())
        {
            handler.gestureBegin();
            handler.gestureSetDefault();
            handler.gestureEnd();
            return;
        }
        DragArea::mouseDown (event);
    }

    void mouseWheelMove (const juce::MouseEvent& event, const juce::MouseWheelDetails& details) override
    {
        if (! wheel)
            return;
        auto step = details.deltaY < 0.0f ? -wheelStep : wheelStep;
        if (event.mods.isCtrlDown())
            step /= fineFactor;

        handler.gestureBegin();
        // A stepped parameter moves one interval per notch, Ctrl or not.
        const auto range = handler.gestureGetRange();
        if (range.interval > 0.0f && range.end > range.start)
            step = std::copysign (range.interval / (range.end - range.start), step);
        handler.gestureSetValue (std::clamp (handler.gestureGetValue() + step, 0.0f, 1.0f));
        handler.gestureEnd();
    }

    [[nodiscard]] ParameterHandler& getHandler() noexcept { return handler; }

protected:
    std::unique_ptr<IDragHandler> createDragHandler (const juce::MouseEvent& event) override
    {
        if (! event.mods.isLeftButtonDown())
            return {};
        auto created = std::make_unique<Handler> (handler);
        // Hide the pointer and let the drag run past the screen edge.
        event.source.enableUnboundedMouseMovement (true);
        return created;
    }

private:
    ParameterHandler handler;
    bool wheel;
};
} // namespace exl
