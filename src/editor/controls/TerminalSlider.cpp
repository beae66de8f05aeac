#include "TerminalSlider.h"

#include "editor/Colours.h"
#include "models/ParameterModel.h"
#include "parameters/ParameterId.h"

namespace cvl
{
namespace
{
    constexpr float terminalPointerLength = 0.3f;
    // A normalised amount of one half is no modulation.
    constexpr double zeroAmount = 0.5;
} // namespace

TerminalSlider::TerminalSlider (IComponentData& componentData, const juce::Identifier& parameterId)
    : Slider (componentData, parameterId), amountCallbacks (componentData.getParameterModel()),
      modulationsListener (componentData)
{
    addMouseListener (&modulationsListener, false);
    const auto node = componentData.getParameterModel().getChildWithName (parameterId);
    for (const auto& amount : ParameterModel (node).getModulatorAssignmentParameters())
    {
        const auto modulator = ParameterId::fromString (amount.toString()).modulator.toStdString();
        const auto isAssigned = [] (const juce::var& value)
        { return ! value.isVoid() && static_cast<double> (value) != zeroAmount; };
        if (const auto mono = MonoModulators::fromName (modulator))
            amountCallbacks.addCallback (
                amount,
                [this, id = *mono, isAssigned] (juce::var v)
                { modulationsListener.setFlag (id, isAssigned (v)); },
                true);
        else if (const auto poly = PolyModulators::fromName (modulator))
            amountCallbacks.addCallback (
                amount,
                [this, id = *poly, isAssigned] (juce::var v)
                { modulationsListener.setFlag (id, isAssigned (v)); },
                true);
    }
}

TerminalSlider::~TerminalSlider() { removeMouseListener (&modulationsListener); }

void TerminalSlider::paintValue (juce::Graphics& g, float value)
{
    KnobPainting::paintTerminal (g, getLocalBounds(), value, Colours::getTextColour (this),
                                 terminalPointerLength);
}

void OtherDspSlider::paintValue (juce::Graphics& g, float value)
{
    constexpr auto shadowStart = 20.0f;
    const auto s = std::min (getWidth(), getHeight());
    const auto x0 = static_cast<float> ((getWidth() - s) / 2);
    const auto y0 = static_cast<float> ((getHeight() - s) / 2);
    const auto size = static_cast<float> (s);

    g.setGradientFill (juce::ColourGradient::vertical (juce::Colours::transparentBlack, y0 + shadowStart,
                                                       juce::Colours::black.withAlpha (juce::uint8 (0x33)),
                                                       std::max (y0 + size, y0 + shadowStart)));
    g.fillEllipse (x0, y0, size, size);

    const auto body = std::max (size - 10.0f, 0.0f);
    g.setGradientFill (juce::ColourGradient::vertical (juce::Colour (0xff242424), y0 + 5.0f,
                                                       juce::Colour (0xff181818), y0 + 5.0f + body));
    g.fillEllipse (x0 + 5.0f, y0 + 5.0f, body, body);

    const auto fx = x0 + 8.0f;
    const auto fy = y0 + 8.0f;
    const auto f = std::max (size - 16.0f, 0.0f);
    const juce::Point<float> c{ fx + f / 2.0f, fy + f / 2.0f };
    const juce::Rectangle<float> face{ fx, fy, f, f };
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff222222), c, juce::Colour (0xff333333),
                                             { c.x + f / 2.0f, c.y }, true));
    g.fillEllipse (face);
    g.setGradientFill (juce::ColourGradient::vertical (
        juce::Colours::transparentBlack, fy, juce::Colours::black.withAlpha (juce::uint8 (0x80)), fy + f));
    g.fillEllipse (face);

    g.addTransform (juce::AffineTransform::rotation (angleFor (value), c.x, c.y));
    {
        const juce::Graphics::ScopedSaveState saved (g);
        const auto hc = std::max (f - (fy + 0.8f * f), 0.0f);
        g.reduceClipRegion (juce::Rectangle<float> (fx, fy, f, hc).toNearestInt());
        const auto m = fy + hc / 2.0f;
        const auto r = std::sqrt ((f / 2.0f) * (f / 2.0f) + (hc / 2.0f) * (hc / 2.0f));
        g.setGradientFill (juce::ColourGradient (juce::Colour (0xff616161), { c.x, m - r },
                                                 juce::Colour (0xff242424), { c.x, m + r }, false));
        g.fillEllipse (face);
    }
    g.setColour (Colours::get (this, Colours::Text));
    g.fillRoundedRectangle (fx + (f - 6.0f) / 2.0f, fy + 0.05f * f, 6.0f, fy + 0.2f * f, 3.0f);
}
} // namespace cvl
