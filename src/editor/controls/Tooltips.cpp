#include "Tooltips.h"

#include "ModulatedParameterSlider.h"
#include "Slider.h"
#include "models/UiModel.h"

namespace cvl
{
Tooltips::Tooltips (juce::ValueTree uiModel) : ui (std::move (uiModel)) {}

Tooltips::~Tooltips()
{
    for (auto& component : listened)
        if (component != nullptr)
            component->removeMouseListener (this);
}

void Tooltips::set (juce::Component& component, const juce::String& text)
{
    if (texts.find (&component) == texts.end())
    {
        component.addMouseListener (this, false);
        listened.emplace_back (&component);
    }
    texts[&component] = text;
}

void Tooltips::set (ModulatedParameterSlider& slider, const juce::String& text)
{
    if (auto* knob = slider.getKnob())
        set (*knob, text);
}

juce::String Tooltips::get (const juce::Component& component) const
{
    const auto found = texts.find (&component);
    return found == texts.end() ? juce::String() : found->second;
}

void Tooltips::mouseEnter (const juce::MouseEvent& event)
{
    const auto found = texts.find (event.eventComponent);
    if (found != texts.end())
        ui.setProperty (UiModel::Tooltip, found->second, nullptr);
}

void Tooltips::mouseExit (const juce::MouseEvent& event)
{
    // Only registered components reach this listener; children are never listened to.
    if (texts.find (event.eventComponent) != texts.end())
        ui.setProperty (UiModel::Tooltip, juce::String(), nullptr);
}
} // namespace cvl
