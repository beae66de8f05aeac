#pragma once

#include "EmphasisArea.h"
#include "Slider.h"
#include "models/ModulationsModel.h"

namespace cvl
{
// The knob of a macro or of the global mix. A macro's knob is the on-screen source of its modulator:
// it lights up while that macro is emphasised and emphasises it while hovered. Message thread.
class MacroSlider : public Slider
{
public:
    MacroSlider (IComponentData& data, const juce::Identifier& identifier);
    MacroSlider (IComponentData& data, const juce::Identifier& identifier, MonoModulatorId modulator);
    ~MacroSlider() override;

    void resized() override;
    [[nodiscard]] const EmphasisArea& getEmphasisArea() const noexcept { return emphasisArea; }

protected:
    void paintValue (juce::Graphics& g, float value) override;

private:
    EmphasisArea emphasisArea;
    ModulationsModel::State state;
    std::unique_ptr<ModulationsModel::MouseListener> modulationsListener;

    JUCE_DECLARE_NON_COPYABLE (MacroSlider)
};
} // namespace cvl
