#include "TransformEditor.h"

#include "editor/controls/Slider.h"
#include "editor/effects/ParameterSwap.h"
#include "modulation/Transform.h"

#include <CorvaneImages.h>

namespace cvl
{
namespace
{
    constexpr int gap = 6;
    constexpr int smallButton = 20;
    constexpr int knobSize = 35;

    struct SliderTexts
    {
        const char* x;
        const char* y;
    };
    // By transform type, None first.
    constexpr std::array<SliderTexts, 8> sliderTexts{ { { "", "" },
                                                        { " X Offset", " Y Offset" },
                                                        { " X Scale", " Y Scale" },
                                                        { " Rotation", "" },
                                                        { " X Modulo Range", " Y Modulo Range" },
                                                        { " Amplitude", " Phase Shift" },
                                                        { " Amount", " Pre Rotation" },
                                                        { " Warp", " Warp" } } };

    int trailingNumber (const juce::String& text) { return text.getTrailingIntValue(); }

    int spaceOf (const juce::String& scope)
    {
        return scope.fromFirstOccurrenceOf ("VectorSpace", false, false).getIntValue();
    }
} // namespace

TransformEditor::TransformEditor (IComponentData& componentData,
                                  const TransformController::ParameterIds& parameterIds)
    : data (componentData), ids (parameterIds), spaceIndex (spaceOf (parameterIds.x.modClass)),
      transformIndex (trailingNumber (parameterIds.x.modClass)),
      prefix ("Transform " + juce::String (transformIndex)), optionsButton (CorvaneImages::arrow_right_svg),
      enableButton (componentData, parameterIds.enable.toIdentifier()),
      typeButton (componentData, parameterIds.type.toIdentifier()), x (componentData, parameterIds.x),
      y (componentData, parameterIds.y), tooltips (componentData.getUiModel()),
      callbacks (componentData.getParameterModel())
{
    if (transformIndex > 1)
        optionsMenu.addItem (MoveUp, "Move Up");
    if (transformIndex < transformCount)
        optionsMenu.addItem (MoveDown, "Move Down");
    optionsMenu.addItem (Reset, "Reset");
    optionsMenu.callback = [this] (int item) { performMenuItem (item); };

    tooltips.set (optionsButton, prefix + " Options");
    tooltips.set (enableButton, prefix + " Enable");
    tooltips.set (typeButton, prefix + " Type");

    const auto* typeParameter = componentData.getParameter (ids.type.toIdentifier());
    const auto typeRange = typeParameter != nullptr ? typeParameter->getNormalisableRange()
                                                    : juce::NormalisableRange<float> (0.0f, 7.0f);
    callbacks.addCallback (
        ids.type.toIdentifier(),
        [this, typeRange] (juce::var value)
        {
            const auto v = value.isVoid() ? 0.0f : static_cast<float> (value);
            refreshTooltips (juce::roundToInt (typeRange.convertFrom0to1 (v)));
        },
        true);
    callbacks.addCallback (
        ids.enable.toIdentifier(),
        [this] (juce::var value) { setControlsEnabled (! value.isVoid() && static_cast<bool> (value)); },
        true);
}

TransformEditor::~TransformEditor() = default;

void TransformEditor::refreshTooltips (int type)
{
    const auto& texts = sliderTexts[static_cast<std::size_t> (std::clamp (type, 0, 7))];
    tooltips.set (x, prefix + texts.x);
    tooltips.set (y, prefix + texts.y);
}

void TransformEditor::setControlsEnabled (bool enabled)
{
    typeButton.setEnabled (enabled);
    x.setEnabled (enabled);
    y.setEnabled (enabled);
}

void TransformEditor::performMenuItem (int item)
{
    if (item == Reset)
    {
        resetParameter (data, ids.type, false);
        resetParameter (data, ids.enable, false);
        resetParameter (data, ids.x, true);
        resetParameter (data, ids.y, true);
        return;
    }
    const auto other = transformIndex + (item == MoveUp ? -1 : 1);
    if ((item != MoveUp && item != MoveDown) || other < 1 || other > transformCount)
        return;
    const TransformController::ParameterIds neighbour (spaceIndex, other);
    swapParameters (data, ids.x, neighbour.x, true);
    swapParameters (data, ids.y, neighbour.y, true);
    swapParameters (data, ids.type.toIdentifier(), neighbour.type.toIdentifier());
    swapParameters (data, ids.enable.toIdentifier(), neighbour.enable.toIdentifier());
}

void TransformEditor::addTo (juce::Component* parent)
{
    if (parent == nullptr)
        return;
    parent->addAndMakeVisible (optionsButton);
    parent->addAndMakeVisible (enableButton);
    parent->addAndMakeVisible (typeButton);
    x.addTo (*parent);
    y.addTo (*parent);
}

void TransformEditor::setBounds (juce::Rectangle<int> area)
{
    const auto shown = area.getHeight() > 0;
    for (auto* component :
         std::initializer_list<juce::Component*>{ &optionsButton, &enableButton, &typeButton })
        component->setVisible (shown);
    x.setVisible (shown);
    y.setVisible (shown);

    const auto centred = [&area] (int width, int height, juce::Rectangle<int> slot)
    {
        return slot.withSizeKeepingCentre (std::min (width, slot.getWidth()),
                                           std::min (height, area.getHeight()));
    };
    optionsButton.setBounds (centred (smallButton, smallButton, area.removeFromLeft (smallButton)));
    area.removeFromLeft (gap);
    enableButton.setBounds (centred (smallButton, smallButton, area.removeFromLeft (smallButton)));
    area.removeFromLeft (gap);
    const auto yArea = area.removeFromRight (std::min (knobSize, area.getWidth()));
    const auto xArea = area.removeFromRight (std::min (knobSize, area.getWidth()));
    for (auto [slider, knobArea] : { std::pair{ &x, xArea }, std::pair{ &y, yArea } })
    {
        const auto square =
            knobArea.withSizeKeepingCentre (std::min (knobArea.getWidth(), knobArea.getHeight()),
                                            std::min (knobArea.getWidth(), knobArea.getHeight()));
        slider->getVisualizer()->setBounds (square);
        slider->getKnob()->setBounds (square.reduced (DspSlider::otherInset));
    }
    area.removeFromRight (std::min (gap, area.getWidth()));
    typeButton.setBounds (area);
}
} // namespace cvl
