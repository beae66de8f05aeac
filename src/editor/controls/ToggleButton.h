#pragma once

#include "editor/IComponentData.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
// An on/off switch drawn as a small circle, filled when on. Message thread.
class ToggleButton : public exl::ToggleButtonVisualizer
{
public:
    ToggleButton (IComponentData& data, const juce::Identifier& identifier);
    ~ToggleButton() override;

protected:
    void paintToggle (juce::Graphics& g, bool on) override;

private:
    exl::ParameterToggleButtonListener toggleListener;
    exl::MouseEventRepaint repainter{ this };

    JUCE_DECLARE_NON_COPYABLE (ToggleButton)
};

// The header's bypass switch; blinks every 500 ms while the plug-in is bypassed.
class BypassBytton : public ToggleButton, private juce::Timer
{
public:
    static constexpr int blinkIntervalMs = 500;

    BypassBytton (IComponentData& data, const juce::Identifier& identifier);
    ~BypassBytton() override;

    [[nodiscard]] bool isBlinkOn() const noexcept { return blink; }
    [[nodiscard]] bool isBlinking() const noexcept { return isTimerRunning(); }

protected:
    void paintToggle (juce::Graphics& g, bool on) override;

private:
    void timerCallback() override;

    bool blink = false;
    exl::ValueTreeCallbacks callbacks;

    JUCE_DECLARE_NON_COPYABLE (BypassBytton)
};
} // namespace cvl
