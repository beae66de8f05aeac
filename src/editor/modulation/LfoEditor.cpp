#include "LfoEditor.h"

#include "editor/Colours.h"
#include "editor/controls/Slider.h"
#include "editor/overlay/ModulationsOverlay.h"
#include "models/MonoModulatorsModel.h"

namespace cvl
{
namespace
{
    constexpr int gap = 6;
    constexpr int toggleSize = 20;
    constexpr int knobSize = 35;
    constexpr int selectorWidth = 56;
    constexpr juce::uint8 waveAlpha = 0x4c;

    int lfoNumber (const juce::String& scope) { return std::clamp (scope.getTrailingIntValue(), 1, 6); }
} // namespace

LfoEditor::Wave::Wave (juce::ValueTree monoModel, std::size_t modulatorIndex)
    : mono (std::move (monoModel)), property (MonoModulatorsModel::propertyFor (modulatorIndex))
{
    setInterceptsMouseClicks (false, false);
    mono.addListener (this);
}

LfoEditor::Wave::~Wave() { mono.removeListener (this); }

void LfoEditor::Wave::valueTreePropertyChanged (juce::ValueTree& tree, const juce::Identifier& changed)
{
    if (tree == mono && changed == property)
        push (static_cast<float> (tree[property]));
}

void LfoEditor::Wave::push (float value)
{
    const auto w = static_cast<std::size_t> (std::max (getWidth(), 0));
    if (w == 0)
        return;
    history.push_front (value);
    while (history.size() >= 2 * w)
        history.pop_back();
    repaint();
}

void LfoEditor::Wave::paint (juce::Graphics& g)
{
    if (history.empty())
        return;
    const auto W = static_cast<float> (std::max (getWidth() - 2, 0));
    const auto H = static_cast<float> (std::max (getHeight() - 2, 0));
    const auto n = static_cast<float> (history.size());
    const auto share = [] (float v) { return (std::clamp (v, -1.0f, 1.0f) + 1.0f) / 2.0f; };

    juce::Path path;
    path.startNewSubPath (W + 1.0f, H + 1.0f);
    auto x = W;
    const auto step = W / n;
    for (const auto v : history)
    {
        path.lineTo (x + 1.0f, 1.0f + (1.0f - share (v)) * H);
        x = std::max (x - step, 0.0f);
    }
    path.lineTo (x + 1.0f, H + 1.0f);

    const auto text = Colours::get (this, Colours::Text);
    const juce::Point<float> centre{ W + 1.0f, 1.0f + share (history.front()) * H };
    g.setGradientFill (juce::ColourGradient (text.withAlpha (waveAlpha), centre,
                                             text.withAlpha (juce::uint8 (0)),
                                             { centre.x + 2.0f * W, centre.y }, true));
    g.fillPath (path);
}

LfoEditor::LfoEditor (IComponentData& data, const LfoModulatorController::ParameterIds& ids)
    : index (lfoNumber (ids.frequency.modClass)),
      modulator (static_cast<MonoModulatorId> (MonoModulators::index (MonoModulatorId::Lfo1) +
                                               static_cast<std::size_t> (index - 1))),
      enableButton (data, ids.enable.toIdentifier()), shapeButton (data, ids.shape.toIdentifier()),
      syncTypeButton (data, ids.syncType.toIdentifier()), frequency (data, ids.frequency),
      scale (data, ids.scale), wave (data.getMonoModulatorsModel(), MonoModulators::index (modulator)),
      state (data.getModulationsModel()), modulationsListener (data), tooltips (data.getUiModel()),
      callbacks (data.getParameterModel())
{
    ModulationsOverlay::setModulator (emphasisArea, modulator);
    emphasisArea.setInterceptsMouseClicks (false, false);
    emphasisArea.setName ("Lfo " + juce::String (index));
    state.onChange = [this]
    {
        emphasisArea.emphasised = state.isEmphasized (modulator);
        emphasisArea.repaint();
    };
    modulationsListener.setFlag (modulator, true);
    wave.addMouseListener (&modulationsListener, false);
    wave.setInterceptsMouseClicks (true, false);

    const auto prefix = "LFO " + juce::String (index);
    tooltips.set (enableButton, prefix + " Enable");
    tooltips.set (shapeButton, prefix + " Shape");
    tooltips.set (syncTypeButton, prefix + " Sync Type");
    tooltips.set (frequency, prefix + " Frequency");
    tooltips.set (scale, prefix + " Output Scale");

    callbacks.addCallback (
        ids.enable.toIdentifier(),
        [this] (juce::var value)
        {
            const auto enabled = ! value.isVoid() && static_cast<bool> (value);
            shapeButton.setEnabled (enabled);
            syncTypeButton.setEnabled (enabled);
            frequency.setEnabled (enabled);
            scale.setEnabled (enabled);
        },
        true);
}

LfoEditor::~LfoEditor() { wave.removeMouseListener (&modulationsListener); }

void LfoEditor::addTo (juce::Component* parent)
{
    if (parent == nullptr)
        return;
    parent->addAndMakeVisible (emphasisArea);
    parent->addAndMakeVisible (enableButton);
    parent->addAndMakeVisible (shapeButton);
    parent->addAndMakeVisible (syncTypeButton);
    frequency.addTo (*parent);
    scale.addTo (*parent);
    parent->addAndMakeVisible (wave);
}

void LfoEditor::setBounds (juce::Rectangle<int> area)
{
    const auto shown = area.getHeight() > 0;
    for (auto* component : std::initializer_list<juce::Component*>{ &emphasisArea, &enableButton,
                                                                    &shapeButton, &syncTypeButton, &wave })
        component->setVisible (shown);
    frequency.setVisible (shown);
    scale.setVisible (shown);

    emphasisArea.setBounds (area);
    enableButton.setBounds (area.removeFromLeft (std::min (toggleSize, area.getWidth())));
    area.removeFromLeft (std::min (gap, area.getWidth()));
    shapeButton.setBounds (area.removeFromLeft (std::min (selectorWidth, area.getWidth())));
    area.removeFromLeft (std::min (gap, area.getWidth()));
    syncTypeButton.setBounds (area.removeFromLeft (std::min (selectorWidth, area.getWidth())));
    for (auto* slider : { &frequency, &scale })
    {
        const auto knobArea = area.removeFromLeft (std::min (knobSize, area.getWidth()));
        const auto side = std::min (knobArea.getWidth(), knobArea.getHeight());
        const auto square = knobArea.withSizeKeepingCentre (side, side);
        slider->getVisualizer()->setBounds (square);
        slider->getKnob()->setBounds (square.reduced (DspSlider::otherInset));
    }
    area.removeFromLeft (std::min (gap, area.getWidth()));
    wave.setBounds (area);
}
} // namespace cvl
