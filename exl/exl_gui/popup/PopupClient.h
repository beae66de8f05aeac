#pragma once

#include "IPopupHandle.h"
#include "IPopupHost.h"

namespace exl
{
// A handle that names one popup by number and checks before every use that it still exists, so that
// components never keep pointers to popups. Destroying a valid handle destroys its popup.
// Message thread.
class PopupClient : public IPopupHandle
{
public:
    PopupClient() = default;
    ~PopupClient() override;

    // The first PopupHost on the parent chain, starting with the component itself; false if none.
    bool findHost (juce::Component& start);
    void setHost (IPopupHost* newHost) noexcept { host = newHost; }
    [[nodiscard]] IPopupHost* getHost() const noexcept { return host; }

    // Opens a new popup on the host; returns false without a host.
    bool create();

    void setSize (int width, int height) override;
    void destroy() override;
    [[nodiscard]] bool isValid() override;

    void setRelativeComponent (juce::Component& relative, bool cover);
    void setAlignment (PopupAlignment alignment);
    void setCloseCondition (PopupCloseCondition condition);
    void setContentComponent (std::unique_ptr<juce::Component> content);
    void show();

    [[nodiscard]] int getNumber() const noexcept { return number; }

private:
    IPopupHost* host = nullptr;
    int number = 0;

    JUCE_DECLARE_NON_COPYABLE (PopupClient)
};
} // namespace exl
