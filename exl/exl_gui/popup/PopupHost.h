#pragma once

#include "IPopupHost.h"

namespace exl
{
// Hosts popup layers on a component; the editor shell derives from it and passes itself as the host
// component. Components find it by walking their parent chain (see PopupClient::findHost).
// Mouse presses and moves anywhere in the host close layers by their close conditions. Message thread.
class PopupHost : public IPopupHost
{
public:
    explicit PopupHost (juce::Component& hostComponent);
    ~PopupHost() override;

    int createPopup() override;
    [[nodiscard]] bool isValid (int popup) const override;
    void setPopupComponent (int popup, std::unique_ptr<juce::Component>&& content) override;
    void setRelativeComponent (int popup, juce::Component& relative, bool cover) override;
    void resizePopup (int popup, int width, int height) override;
    void setAlignment (int popup, PopupAlignment alignment) override;
    void setCloseCondition (int popup, PopupCloseCondition condition) override;
    void showPopup (int popup) override;
    void destroyPopup (int popup) override;

    // Removes every layer at once; an owner that is going away calls it before its members go.
    void closeAllPopups();
    // Places every visible layer again, for example after the host component was resized.
    void layoutPopups();
    [[nodiscard]] int getNumPopups() const;

    // What the host's mouse listener does with a move or a press at a position in host coordinates:
    // a move closes the MouseLeave layers above the first layer whose content or relative component
    // holds the position; a press closes every layer above the first whose content holds it.
    void handleMouseMove (juce::Point<int> position);
    void handleMousePress (juce::Point<int> position);

private:
    class Impl;
    std::unique_ptr<Impl> impl;

    JUCE_DECLARE_NON_COPYABLE (PopupHost)
};
} // namespace exl
