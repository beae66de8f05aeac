#pragma once

#include "Icon.h"

namespace cvl
{
// The product logo in the header; a click on it opens the about popup (handled by the owner).
class LogoButton : public juce::Component
{
public:
    explicit LogoButton (const char* svgText) : icon (svgText, false) {}

    void paint (juce::Graphics& g) override;

private:
    Icon icon;

    JUCE_DECLARE_NON_COPYABLE (LogoButton)
};
} // namespace cvl
