#include "SliderLabel.h"

#include "editor/Colours.h"
#include "modulation/TempoSyncUtility.h"

#include <exl_parameters/exl_parameters.h>

namespace cvl
{
namespace
{
    constexpr int lengthSteps = 9;
    constexpr int standardSync = 1;
    constexpr int tripletSync = 2;

    float normalised (const juce::var& value) { return value.isVoid() ? 0.0f : static_cast<float> (value); }
} // namespace

SliderLabel::SliderLabel (IComponentData& data, const juce::Identifier& identifier)
    : parameter (data.getParameter (identifier)), callbacks (data.getParameterModel()),
      name (identifier.toString())
{
    if (const auto* own = dynamic_cast<exl::Parameter*> (parameter);
        own != nullptr && own->getCaption().isNotEmpty())
        name = own->getCaption();
    juce::Component::setName (name);
    initTextCallbacks (ParameterId::fromString (identifier.toString()));
}

void SliderLabel::setName (const juce::String& newName)
{
    name = newName;
    juce::Component::setName (newName);
    rebuildText();
}

void SliderLabel::initTextCallbacks (const ParameterId& id)
{
    frequency = id.name == "Frequency";
    if (frequency)
        callbacks.addCallback (
            juce::Identifier ("SyncType_" + id.modClass),
            [this] (juce::var value)
            {
                syncType = juce::roundToInt (2.0f * normalised (value));
                repaint();
            },
            true);
    callbacks.addCallback (
        id.toIdentifier(),
        [this] (juce::var value)
        {
            lastValue = normalised (value);
            rebuildText();
        },
        true);
}

void SliderLabel::rebuildText()
{
    if (! frequency)
    {
        const auto valueText =
            parameter != nullptr ? parameter->getText (lastValue, maximumTextLength) : juce::String();
        text = name + ": " + valueText;
    }
    else if (syncType == 0)
    {
        text = name + ": " + juce::String (TempoSyncUtility::HzRange.convertFrom0to1 (lastValue), 2) + "hz";
    }
    else
    {
        auto index = static_cast<int> (static_cast<float> (lengthSteps) * lastValue);
        if (syncType == standardSync && index % 2 != 0)
            --index;
        if (syncType == tripletSync && index % 2 == 0)
            ++index;
        lengthIndex = std::clamp (index, 0, lengthSteps);
        text = name + ": " +
               TempoSyncUtility::LengthToString (static_cast<TempoSyncUtility::Length> (lengthIndex));
    }
    repaint();
}

void SliderLabel::paint (juce::Graphics& g)
{
    g.setColour (Colours::get (this, Colours::Text));
    g.drawText (text, getLocalBounds(), juce::Justification::centred, true);
}
} // namespace cvl
