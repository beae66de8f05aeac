#pragma once

#include "editor/Icon.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
// A section header that flips a boolean property of a tree on a left click: an arrow, the text and a
// rule to the right edge. Message thread.
class TogglePropertyButton : public juce::Component
{
public:
    static constexpr int ruleGap = 6;

    TogglePropertyButton (juce::ValueTree tree, const juce::Identifier& property, const juce::String& text);
    ~TogglePropertyButton() override;

    void paint (juce::Graphics& g) override;
    [[nodiscard]] exl::MouseClickListener& getClickListener() noexcept { return clickListener; }

private:
    juce::ValueTree tree;
    juce::Identifier property;
    juce::String text;
    exl::MouseClickListener clickListener{ this };
    exl::MouseEventRepaint repainter{ this };
    Icon collapsed;
    Icon expanded;
    exl::ValueTreeCallbacks callbacks;

    JUCE_DECLARE_NON_COPYABLE (TogglePropertyButton)
};
} // namespace cvl
