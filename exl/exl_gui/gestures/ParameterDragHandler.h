#pragma once

#include "IDragHandler.h"
#include "IParameterGesture.h"

namespace exl
{
// Keeps one gesture level open on its parameter for its whole life.
class ParameterDragHandler : public IDragHandler
{
public:
    explicit ParameterDragHandler (IParameterGesture& gesture);
    ~ParameterDragHandler() override;

protected:
    IParameterGesture& gesture;

private:
    JUCE_DECLARE_NON_COPYABLE (ParameterDragHandler)
};
} // namespace exl
