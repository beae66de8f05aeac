namespace exl
{
ValueVisualizerBase::ValueVisualizerBase (juce::ValueTree tree, const juce::Identifier& property)
    : callbacks (std::move (tree))
{
    callbacks.addCallback (
        property,
        [this] (juce::var value)
        {
            lastValue = std::move (value);
            repaint();
        },
        true);
}

void ValueVisualizerBase::paint (juce::Graphics& g) { internalPaint (g, lastValue); }

void SliderVisualizerBase::internalPaint (juce::Graphics& g, juce::var value)
{
    paintValue (g, value.isVoid() ? 0.0f : static_cast<float> (value));
}

void ToggleButtonVisualizer::internalPaint (juce::Graphics& g, juce::var value)
{
    paintToggle (g, value.isVoid() ? false : static_cast<bool> (value));
}

void ToggleButtonVisualizer::paintToggle (juce::Graphics& g, bool on)
{
    constexpr auto cornerRadius = 5.0f;
    constexpr juce::uint32 onColour = 0xffaf4b51;
    constexpr juce::uint32 offColour = 0xff642a2e;

    g.setColour (juce::Colour (on ? onColour : offColour));
    g.fillRoundedRectangle (getLocalBounds().toFloat(), cornerRadius);
    g.setColour (juce::Colours::black);
    g.drawText (on ? "On" : "Off", getLocalBounds(), juce::Justification::centred);
}
} // namespace exl
