#pragma once

#include "editor/IComponentData.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
// The tooltip line: shows the UI model's "Tooltip" at once and keeps the last text for five seconds
// after it is emptied. The owner places and shows the label. Message thread.
class TooltipComponent : public juce::Timer
{
public:
    static constexpr int holdMs = 5000;

    explicit TooltipComponent (IComponentData& data);
    ~TooltipComponent() override;

    [[nodiscard]] juce::Label& getLabel() noexcept { return label; }
    void timerCallback() override;

private:
    juce::Label label;
    exl::ValueTreeCallbacks callbacks;

    JUCE_DECLARE_NON_COPYABLE (TooltipComponent)
};
} // namespace cvl
