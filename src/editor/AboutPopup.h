#pragma once

#include "DropDownButton.h"
#include "Icon.h"

namespace cvl
{
// Product and maker artwork, the version line, the maker's link, and the zoom and theme menus.
// Lives in a popup of the editor shell. Message thread.
class AboutPopup : public juce::Component
{
public:
    static constexpr const char* SourceRevision = "0e77d2f";
    static constexpr const char* FormatNotice =
        "VST is a registered trademark of Steinberg Media Technologies GmbH";

    explicit AboutPopup (IComponentData& data);

    void paint (juce::Graphics& g) override;
    void resized() override;

    [[nodiscard]] const juce::Label& getVersionLabel() const noexcept { return version; }
    [[nodiscard]] const juce::Label& getNoticeLabel() const noexcept { return notice; }
    [[nodiscard]] const DropDownButton::Menu& getScaleMenu() const noexcept { return scaleMenu; }
    [[nodiscard]] const DropDownButton::Menu& getThemeMenu() const noexcept { return themeMenu; }

    // The value after the colon of the first "model name" line of a cpuinfo text, trimmed.
    [[nodiscard]] static juce::String processorModelName (const juce::String& cpuinfo);

    class UrlButton : public juce::HyperlinkButton
    {
    public:
        UrlButton();
        void paintButton (juce::Graphics& g, bool highlighted, bool down) override;

    private:
        exl::MouseEventRepaint repainter{ this };
    };

private:
    Icon logo;
    Icon signatureLeft;
    Icon signatureRight;
    Icon makerLogo;
    Icon warhead;
    juce::Label notice;
    juce::Label version;
    UrlButton url;
    DropDownButton::Menu scaleMenu;
    DropDownButton::Menu themeMenu;

    JUCE_DECLARE_NON_COPYABLE (AboutPopup)
};
} // namespace cvl
