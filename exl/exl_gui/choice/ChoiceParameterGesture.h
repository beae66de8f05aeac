#pragma once

#include "../gestures/IParameterGesture.h"

namespace exl
{
// Moves a choice parameter by whole steps; the caller opens and closes the gesture around it.
class ChoiceParameterGesture
{
public:
    explicit ChoiceParameterGesture (IParameterGesture& gestureToUse) noexcept : gesture (gestureToUse) {}

    // The flag is kept for callers that pass a wrap request; it has no effect.
    void affectChoice (int steps, bool wrap = false);

private:
    IParameterGesture& gesture;
};
} // namespace exl
