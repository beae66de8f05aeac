#pragma once

#include "ParameterDragHandler.h"

#include <algorithm>

namespace exl
{
enum class DragDirection
{
    Horizontal = 1,
    Vertical = 2,
    Both = 3
};

// Turns drag movement into a normalised change. A drag across the larger of the component's
// width, its height and 250 pixels sweeps the whole range; Ctrl makes it five times finer.
template <DragDirection direction>
class RotaryParameterDragHandler : public ParameterDragHandler
{
public:
    static constexpr float minimumSensitivityPixels = 250.0f;
    static constexpr float fineFactor = 5.0f;

    using ParameterDragHandler::ParameterDragHandler;

    void dragEvent (const juce::MouseEvent& event, juce::Point<float> delta) override
    {
        auto size = minimumSensitivityPixels;
        if (const auto* origin = event.originalComponent)
            size = std::max (
                { size, static_cast<float> (origin->getWidth()), static_cast<float> (origin->getHeight()) });
        if (event.mods.isCtrlDown())
            size *= fineFactor;

        auto movement = 0.0f;
        if constexpr ((static_cast<int> (direction) & static_cast<int> (DragDirection::Horizontal)) != 0)
            movement += delta.x;
        // Screen y grows downwards; moving up increases the value.
        if constexpr ((static_cast<int> (direction) & static_cast<int> (DragDirection::Vertical)) != 0)
            movement -= delta.y;

        gesture.gestureSetValue (std::clamp (gesture.gestureGetValue() + movement / size, 0.0f, 1.0f));
    }
};
} // namespace exl
