#pragma once

#include "PopupAlignment.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace exl
{
// Popups are numbered layers on top of the host component. Every operation but createPopup ignores
// an unknown number. Message thread.
class IPopupHost
{
public:
    virtual ~IPopupHost() = default;

    virtual int createPopup() = 0;
    [[nodiscard]] virtual bool isValid (int popup) const = 0;
    virtual void setPopupComponent (int popup, std::unique_ptr<juce::Component>&& content) = 0;
    virtual void setRelativeComponent (int popup, juce::Component& relative, bool cover) = 0;
    // A negative value leaves that dimension unchanged.
    virtual void resizePopup (int popup, int width, int height) = 0;
    virtual void setAlignment (int popup, PopupAlignment alignment) = 0;
    virtual void setCloseCondition (int popup, PopupCloseCondition condition) = 0;
    virtual void showPopup (int popup) = 0;
    // Deferred to a later turn of the message loop, so a popup may close itself from its own handlers.
    virtual void destroyPopup (int popup) = 0;
};
} // namespace exl
