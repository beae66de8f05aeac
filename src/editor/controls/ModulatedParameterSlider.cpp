#include "ModulatedParameterSlider.h"

#include "ModulationSlider.h"
#include "TerminalSlider.h"
#include "editor/Colours.h"
#include "editor/overlay/ModulationEditorPopup.h"
#include "editor/overlay/ModulationVisualizer.h"
#include "editor/overlay/ModulationsOverlay.h"
#include "effects/IEffectProcessor.h"
#include "models/ModulationsModel.h"
#include "models/ParameterModel.h"
#include "models/UiModel.h"

#include <exl_parameters/exl_parameters.h>

namespace cvl
{
namespace
{
    // A label that lets clicks through to what lies below.
    class RowLabel : public juce::Label
    {
    public:
        explicit RowLabel (const juce::String& text)
        {
            setText (text, juce::dontSendNotification);
            setJustificationType (juce::Justification::centred);
            setInterceptsMouseClicks (false, false);
        }

        void paint (juce::Graphics& g) override
        {
            g.setColour (Colours::get (this, Colours::Text));
            g.drawText (getText(), getLocalBounds(), juce::Justification::centred, true);
        }
    };
} // namespace

ModulatedParameterSlider::ModulatedParameterSlider (IComponentData& componentData,
                                                    const ParameterId& parameterId)
    : data (componentData), id (parameterId),
      effect (parameterId.modClass == IEffectProcessor::EffectModClass),
      uiCallbacks (componentData.getUiModel())
{
    const auto identifier = id.toIdentifier();
    if (effect)
    {
        knob = std::make_unique<OtherDspSlider> (data, identifier);
        visualizer = std::make_unique<PolyModulationVisualizer> (data, id);
    }
    else
    {
        knob = std::make_unique<TerminalSlider> (data, identifier);
        visualizer = std::make_unique<MonoModulationVisualizer> (data, id);
    }
    visualizer->setInterceptsMouseClicks (false, false);
    knob->setName (id.toString());
    knob->getProperties().set (ModulationsOverlay::ParameterProperty, id.toString());

    hoverListener = std::make_unique<exl::MouseHoverListener> (knob.get());
    hoverListener->onHover = [this] (bool entered)
    {
        if (entered)
            hover();
    };

    uiCallbacks.addCallback (
        UiModel::HoveredParameter,
        [this] (juce::var value)
        {
            if (value.toString() != id.toString() && popup.isValid())
                popup.destroy();
        },
        false);
}

ModulatedParameterSlider::~ModulatedParameterSlider()
{
    for (auto* listener : listeners)
    {
        knob->removeMouseListener (listener);
        visualizer->removeMouseListener (listener);
    }
}

void ModulatedParameterSlider::addMouseListener (juce::MouseListener* listener)
{
    if (listener == nullptr || std::find (listeners.begin(), listeners.end(), listener) != listeners.end())
        return;
    listeners.push_back (listener);
    knob->addMouseListener (listener, false);
    visualizer->addMouseListener (listener, false);
}

void ModulatedParameterSlider::addTo (juce::Component& parent)
{
    parent.addAndMakeVisible (*knob);
    parent.addAndMakeVisible (*visualizer);
}

void ModulatedParameterSlider::setVisible (bool visible)
{
    knob->setVisible (visible);
    visualizer->setVisible (visible);
}

void ModulatedParameterSlider::setEnabled (bool enabled)
{
    knob->setEnabled (enabled);
    visualizer->setEnabled (enabled);
}

ModulationEditorPopup* ModulatedParameterSlider::getPopupContent() const noexcept
{
    return dynamic_cast<ModulationEditorPopup*> (popupContent.getComponent());
}

void ModulatedParameterSlider::hover()
{
    openPopup();
    data.getUiModel().setProperty (UiModel::HoveredParameter, id.toString(), nullptr);
}

void ModulatedParameterSlider::openPopup()
{
    if (! popup.findHost (*knob) || popup.isValid() || ! popup.create())
        return;

    auto content = std::make_unique<ModulationEditorPopup> (*knob, id.toString(), data.getUiModel());
    const auto node = data.getParameterModel().getChildWithName (id.toIdentifier());
    const auto parameterText =
        ParameterId::toDisplayString (id.name) + " " + ParameterId::toDisplayString (id.modClass);
    for (const auto& amount : ParameterModel (node).getModulatorAssignmentParameters())
    {
        const auto modulator = ParameterId::fromString (amount.toString()).modulator;
        ModulationEditorPopup::Mod mod;
        mod.control = std::make_unique<ModulationSlider> (data, amount);
        mod.listener = std::make_unique<ModulationsModel::MouseListener> (data, amount, false);
        mod.label = std::make_unique<RowLabel> (ModulationsOverlay::shortLabel (modulator));
        content->addMod (std::move (mod), ParameterId::toDisplayString (modulator) +
                                              " Modulation Amount For " + parameterText);
    }

    const auto rows = content->getNumMods();
    const auto extra = effect ? effectExtraHeight : otherExtraHeight;
    const auto width = rows * rowWidth + popupMargin;
    const auto height = knob->getHeight() + extra;
    content->setColumnsHeight (effect ? effectExtraHeight : otherExtraHeight / 2);
    if (! effect)
    {
        auto label = std::make_unique<SliderLabelPopup> (data, id.toIdentifier());
        label->setInterceptsMouseClicks (false, false);
        label->setBounds (0, height - otherExtraHeight / 2, width, otherExtraHeight / 2);
        content->addExtra (std::move (label));
    }
    content->onClose = [this, safeKnob = juce::Component::SafePointer<juce::Component> (knob.get())]
    {
        if (safeKnob != nullptr)
            popup.destroy();
    };
    popupContent = content.get();

    popup.setSize (width, height);
    popup.setRelativeComponent (*knob, false);
    popup.setAlignment (effect ? exl::PopupAlignment::AlignBottom : exl::PopupAlignment::Centred);
    popup.setContentComponent (std::move (content));
    popup.setCloseCondition (exl::PopupCloseCondition::MouseLeave);
    popup.show();
}

DspSlider::DspSlider (IComponentData& data, const juce::String& effectName, const juce::String& parameterName,
                      int slot, const juce::String& scope)
    : id{ effectName + parameterName + juce::String (slot), scope, {} }, slider (data, id),
      label (data, id.toIdentifier())
{
    auto name = labelNameFor (id.toString());
    if (const auto* own = dynamic_cast<exl::Parameter*> (data.getParameter (id.toIdentifier()));
        own != nullptr && own->getCaption().isNotEmpty())
        name = own->getCaption();
    label.setName (name);
}

juce::String DspSlider::labelNameFor (const juce::String& identifier)
{
    auto text = identifier;
    for (const auto* part : { "Allpass", "Balance", "Delay", "Diffuser", "Distortion", "Filter", "_Effect" })
        text = text.replaceFirstOccurrenceOf (part, {});
    text = text.removeCharacters ("0123456789");
    juce::String spaced;
    for (int i = 0; i < text.length(); ++i)
    {
        const auto c = text[i];
        if (i > 0 && c != juce::CharacterFunctions::toLowerCase (c))
            spaced << ' ';
        spaced << juce::String::charToString (c);
    }
    return spaced;
}

void DspSlider::addTo (juce::Component& parent)
{
    slider.addTo (parent);
    parent.addAndMakeVisible (label);
}

void DspSlider::setBounds (juce::Rectangle<int> area)
{
    label.setBounds (area.removeFromBottom (std::min (labelHeight, area.getHeight())));
    const auto q = std::min (area.getWidth(), area.getHeight());
    const auto square = juce::Rectangle<int> (q, q).withCentre (area.getCentre());
    slider.getVisualizer()->setBounds (square);
    slider.getKnob()->setBounds (square.reduced (slider.isEffect() ? effectInset : otherInset));
}

SliderLabelPopup::SliderLabelPopup (IComponentData& data, const juce::Identifier& identifier)
    : label (data, identifier)
{
    label.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (label);
}

void SliderLabelPopup::resized()
{
    label.setBounds (0, 0, getWidth(), getHeight() > bottomGap ? getHeight() - bottomGap : 0);
}

void SliderLabelPopup::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (Colours::PopupBackground));
    g.fillRoundedRectangle (
        juce::Rectangle<int> (0, 0, getWidth(), getHeight() > bottomGap ? getHeight() - bottomGap : 0)
            .toFloat(),
        5.0f);
}
} // namespace cvl
