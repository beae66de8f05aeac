#include "MacroSlider.h"

#include "editor/Colours.h"
#include "editor/overlay/ModulationsOverlay.h"

namespace cvl
{
namespace
{
    constexpr float macroPointerLength = 0.2f;
}

MacroSlider::MacroSlider (IComponentData& componentData, const juce::Identifier& parameterId)
    : Slider (componentData, parameterId), state (componentData.getModulationsModel())
{
}

MacroSlider::MacroSlider (IComponentData& componentData, const juce::Identifier& parameterId,
                          MonoModulatorId modulator)
    : MacroSlider (componentData, parameterId)
{
    ModulationsOverlay::setModulator (emphasisArea, modulator);
    addAndMakeVisible (emphasisArea, 0);
    emphasisArea.setInterceptsMouseClicks (false, false);
    state.onChange = [this, modulator]
    {
        emphasisArea.emphasised = state.isEmphasized (modulator);
        emphasisArea.repaint();
    };
    modulationsListener = std::make_unique<ModulationsModel::MouseListener> (componentData);
    modulationsListener->setFlag (modulator, true);
    addMouseListener (modulationsListener.get(), false);
}

MacroSlider::~MacroSlider()
{
    if (modulationsListener != nullptr)
        removeMouseListener (modulationsListener.get());
}

void MacroSlider::resized() { emphasisArea.setBounds (getLocalBounds()); }

void MacroSlider::paintValue (juce::Graphics& g, float value)
{
    KnobPainting::paintTerminal (g, getLocalBounds(), value, Colours::getTextColour (this),
                                 macroPointerLength);
}
} // namespace cvl
