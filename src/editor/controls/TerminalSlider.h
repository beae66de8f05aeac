#pragma once

#include "Slider.h"
#include "models/ModulationsModel.h"

namespace cvl
{
// The flat knob of the dark terminal look; hovering it emphasises the modulators assigned to its
// parameter (those whose amount is not zero). Message thread.
class TerminalSlider : public Slider
{
public:
    TerminalSlider (IComponentData& data, const juce::Identifier& identifier);
    ~TerminalSlider() override;

    [[nodiscard]] ModulationsModel::MouseListener& getModulationsListener() noexcept
    {
        return modulationsListener;
    }

protected:
    void paintValue (juce::Graphics& g, float value) override;

private:
    exl::ValueTreeCallbacks amountCallbacks;
    ModulationsModel::MouseListener modulationsListener;

    JUCE_DECLARE_NON_COPYABLE (TerminalSlider)
};

// The shaded knob on the coloured effect plate.
class OtherDspSlider : public TerminalSlider
{
public:
    using TerminalSlider::TerminalSlider;

protected:
    void paintValue (juce::Graphics& g, float value) override;
};
} // namespace cvl
