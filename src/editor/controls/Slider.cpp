#include "Slider.h"

#include "effects/IEffectProcessor.h"
#include "modulation/Modulators.h"
#include "parameters/ParameterId.h"

#include <cmath>

namespace cvl
{
namespace
{
    constexpr float arcEnd = 0.8f * juce::MathConstants<float>::pi;
    constexpr int maximumValueText = 100;

    bool offersRemoveModulations (const juce::Identifier& identifier)
    {
        const auto text = identifier.toString();
        const auto parts = ParameterId::fromString (text);
        return parts.name.isNotEmpty() && parts.modClass.isNotEmpty() && parts.modulator.isEmpty() &&
               ! text.contains ("Macro");
    }
} // namespace

const juce::NormalisableRange<float> Slider::RadianRange{ -arcEnd, arcEnd };

Slider::Slider (IComponentData& componentData, const juce::Identifier& parameterId)
    : exl::SliderVisualizerBase (componentData.getParameterModel(), parameterId), data (componentData),
      identifier (parameterId), parameter (componentData.getParameter (parameterId)),
      sliderListener (*this, parameter, true)
{
    clickMenu.addItem (Reset, "Reset");
    clickMenu.addItem (Copy, "Copy");
    clickMenu.addItem (Paste, "Paste");
    if (offersRemoveModulations (identifier))
        clickMenu.addItem (RemoveModulations, "Remove Modulations");
    if (ParameterId::fromString (identifier.toString()).modClass == IEffectProcessor::EffectModClass)
        clickMenu.setAlignment (exl::PopupAlignment::Above);
    clickMenu.callback = [this] (int item) { performMenuItem (item); };
}

Slider::~Slider() = default;

float Slider::angleFor (float normalisedValue) noexcept
{
    return RadianRange.convertFrom0to1 (normalisedValue);
}

void Slider::setNormalised (juce::RangedAudioParameter& target, float value)
{
    target.beginChangeGesture();
    target.setValueNotifyingHost (value);
    target.endChangeGesture();
}

void Slider::performMenuItem (int item)
{
    if (parameter == nullptr)
        return;
    switch (item)
    {
        case Reset:
            setNormalised (*parameter, parameter->getDefaultValue());
            break;
        case Copy:
            juce::SystemClipboard::copyTextToClipboard (juce::String (parameter->getValue()));
            break;
        case Paste:
            paste (juce::SystemClipboard::getTextFromClipboard());
            break;
        case RemoveModulations:
            removeModulations();
            break;
        default:
            break;
    }
}

std::optional<float> Slider::parsePastedValue (const juce::String& text)
{
    const auto trimmed = text.trim().toStdString();
    if (trimmed.empty())
        return std::nullopt;
    char* end = nullptr;
    const auto value = std::strtod (trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || ! std::isfinite (value))
        return std::nullopt;
    return std::clamp (static_cast<float> (value), 0.0f, 1.0f);
}

void Slider::paste (const juce::String& text)
{
    // Clipboard text comes from anywhere; only a number within the normalised range reaches the host.
    if (parameter == nullptr)
        return;
    if (const auto value = parsePastedValue (text))
        setNormalised (*parameter, *value);
}

void Slider::removeModulations()
{
    const auto parts = ParameterId::fromString (identifier.toString());
    const auto reset = [this] (const ParameterId& amount)
    {
        if (auto* target = data.getParameter (amount.toIdentifier()))
            setNormalised (*target, target->getDefaultValue());
    };
    if (parts.modClass == IEffectProcessor::EffectModClass)
    {
        for (const auto& [id, name] : PolyModulators::IdNameArray)
            reset ({ parts.name, IEffectProcessor::EffectModClass, PolyModulators::nameString (id) });
        return;
    }
    for (const auto& [id, name] : MonoModulators::IdNameArray)
        reset ({ parts.name, parts.modClass, MonoModulators::nameString (id) });
}

void KnobPainting::paintTerminal (juce::Graphics& g, juce::Rectangle<int> bounds, float value,
                                  juce::Colour colour, float pointerLength)
{
    const auto width = bounds.getWidth();
    const auto height = bounds.getHeight();
    const auto s = std::min (width, height);
    const auto x0 = static_cast<float> ((width - s) / 2 + 2);
    const auto y0 = static_cast<float> ((height - s) / 2 + 2);
    const auto d = static_cast<float> (std::max (s - 4, 0));
    const juce::Point<float> c{ x0 + d / 2.0f, y0 + d / 2.0f };
    const juce::Rectangle<float> circle{ x0, y0, d, d };

    juce::ColourGradient glow{ colour.withAlpha (juce::uint8 (0)),
                               c,
                               colour.withAlpha (juce::uint8 (0x1a)),
                               { c.x + d / 2.0f, c.y },
                               true };
    glow.addColour (0.75, colour.withAlpha (juce::uint8 (0)));
    g.setGradientFill (glow);
    g.fillEllipse (circle);
    g.setColour (colour);
    g.drawEllipse (circle, 1.0f);

    juce::Path pointer;
    pointer.startNewSubPath (c.x, y0);
    pointer.lineTo (c.x, 2.0f * y0 + pointerLength * d);
    pointer.applyTransform (juce::AffineTransform::rotation (Slider::angleFor (value), c.x, c.y));
    g.strokePath (pointer, juce::PathStrokeType (2.0f));
}
} // namespace cvl
