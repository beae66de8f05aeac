#include "VectorSpaceVisualizer.h"

#include "editor/Colours.h"
#include "editor/overlay/ModulationsOverlay.h"

namespace cvl
{
namespace
{
    const juce::Identifier voiceCountId{ "VoiceCount" };
    constexpr float gridDarkening = 0.4f;
    constexpr juce::uint8 previewDotAlpha = 0x40;
    constexpr juce::uint8 cloudFillAlpha = 0x0d;

    struct GlowStroke
    {
        float width;
        juce::uint8 alpha;
        bool flickers;
    };
    constexpr std::array<GlowStroke, 5> glow{ { { 2.7f, 0x4c, false },
                                                { 5.4f, 0x25, false },
                                                { 8.1f, 0x17, false },
                                                { 10.8f, 0x0f, true },
                                                { 13.5f, 0x0b, true } } };
    constexpr float flickerBase = 0.85f;
    constexpr float flickerSpan = 0.15f;
} // namespace

VectorSpaceVisualizer::VectorSpaceVisualizer (IComponentData& componentData, int spaceIndex, bool isPreview)
    : data (componentData), index (std::clamp (spaceIndex, 1, 3)), preview (isPreview),
      xId (static_cast<PolyModulatorId> (2 * (index - 1))),
      yId (static_cast<PolyModulatorId> (2 * (index - 1) + 1)), callbacks (componentData.getParameterModel())
{
    if (const auto* voices = componentData.getParameter (voiceCountId))
        voiceRange = voices->getNormalisableRange();
    callbacks.addCallback (
        voiceCountId,
        [this] (juce::var value)
        {
            const auto v = value.isVoid() ? 0.0f : static_cast<float> (value);
            voiceCount = std::clamp (juce::roundToInt (voiceRange.convertFrom0to1 (v)), 1,
                                     static_cast<int> (maxVoices));
            repaint();
        },
        true);
    startTimer (repaintIntervalMs);
}

VectorSpaceVisualizer::~VectorSpaceVisualizer() { stopTimer(); }

void VectorSpaceVisualizer::timerCallback()
{
    // Redraw only when the voices moved (or their number changed): an idle editor stays idle. The
    // glow's flicker therefore runs while the cloud moves.
    if (! isShowing())
        return;
    auto points = readPoints();
    if (points == lastPoints)
        return;
    lastPoints = std::move (points);
    repaint();
}

juce::Point<float> VectorSpaceVisualizer::mapPoint (const juce::Point<float>& point) const
{
    auto area = getLocalBounds().toFloat();
    if (area.getWidth() > 2.0f * inset && area.getHeight() > 2.0f * inset)
        area = area.reduced (static_cast<float> (inset));
    else
        area = { static_cast<float> (inset), static_cast<float> (inset), 0.0f, 0.0f };
    const auto x = (std::clamp (point.x, -1.0f, 1.0f) + 1.0f) / 2.0f;
    const auto y = (std::clamp (point.y, -1.0f, 1.0f) + 1.0f) / 2.0f;
    return { area.getX() + x * area.getWidth(), area.getBottom() - y * area.getHeight() };
}

std::vector<juce::Point<float>> VectorSpaceVisualizer::readPoints() const
{
    auto& access = data.getVectorSpaceAccess();
    const auto xs = preview ? access.readInitial (xId) : access.readTransformed (xId);
    const auto ys = preview ? access.readInitial (yId) : access.readTransformed (yId);
    std::vector<juce::Point<float>> points;
    for (std::size_t v = 0; v < static_cast<std::size_t> (voiceCount); ++v)
        points.emplace_back (xs[v], ys[v]);
    return points;
}

void VectorSpaceVisualizer::paint (juce::Graphics& g)
{
    const auto points = readPoints();
    if (preview)
        paintPreview (g, points);
    else
        paintMain (g, points);
}

void VectorSpaceVisualizer::paintPreview (juce::Graphics& g, const std::vector<juce::Point<float>>& points)
{
    const auto topLeft = mapPoint ({ -1.0f, 1.0f });
    const auto bottomRight = mapPoint ({ 1.0f, -1.0f });
    const auto w = bottomRight.x - topLeft.x;
    const auto h = bottomRight.y - topLeft.y;
    g.setColour (Colours::get (this, Colours::Background).darker (gridDarkening));
    for (int i = 0; i <= 4; ++i)
    {
        const auto share = static_cast<float> (i) / 4.0f;
        g.fillRect (juce::Rectangle<float> (topLeft.x + share * w, topLeft.y, 1.0f, h));
        g.fillRect (juce::Rectangle<float> (topLeft.x, topLeft.y + share * h, w, 1.0f));
    }
    g.setColour (Colours::get (this, Colours::TextDisabled).withAlpha (previewDotAlpha));
    for (const auto& point : points)
        g.fillEllipse (juce::Rectangle<float> (dotSize, dotSize).withCentre (mapPoint (point)));
}

void VectorSpaceVisualizer::paintMain (juce::Graphics& g, const std::vector<juce::Point<float>>& points)
{
    if (points.empty())
        return;
    const auto text = Colours::get (this, Colours::Text);
    const auto disabled = Colours::get (this, Colours::TextDisabled);
    const auto bottomColour = disabled.interpolatedWith (text, 0.5f);
    const auto height = static_cast<float> (getHeight());
    const auto gradient = juce::ColourGradient::vertical (text, 0.0f, bottomColour, height);

    juce::Path path;
    g.setGradientFill (gradient);
    for (std::size_t v = 0; v < points.size(); ++v)
    {
        const auto p = mapPoint (points[v]);
        g.fillEllipse (juce::Rectangle<float> (dotSize, dotSize).withCentre (p));
        if (v == 0)
            path.startNewSubPath (p);
        else
            path.lineTo (p);
    }
    path.closeSubPath();

    g.setGradientFill (juce::ColourGradient::vertical (text.withAlpha (cloudFillAlpha), 0.0f,
                                                       bottomColour.withAlpha (cloudFillAlpha), height));
    g.fillPath (path);
    const auto stroke = [&g, &path] (float width)
    {
        g.strokePath (
            path, juce::PathStrokeType (width, juce::PathStrokeType::beveled, juce::PathStrokeType::butt));
    };
    g.setGradientFill (gradient);
    stroke (0.5f);
    for (const auto& layer : glow)
    {
        const auto factor = layer.flickers ? flickerBase + flickerSpan * random.nextFloat() : 1.0f;
        g.setColour (disabled.withAlpha (layer.alpha));
        stroke (layer.width * factor);
    }
}

VectorSpaceVisualizerPair::VectorSpaceVisualizerPair (IComponentData& componentData, int spaceIndex)
    : VectorSpaceVisualizer (componentData, spaceIndex, true), main (componentData, spaceIndex, false),
      state (componentData.getModulationsModel()), xListener (componentData, getXId()),
      yListener (componentData, getYId())
{
    setName ("Vector Space " + juce::String (spaceIndex) + " Visualizer");
    main.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (main);
    for (auto* area : { &xArea, &yArea })
    {
        area->setInterceptsMouseClicks (false, false);
        addAndMakeVisible (area);
    }
    ModulationsOverlay::setModulator (xArea, getXId());
    ModulationsOverlay::setModulator (yArea, getYId());
    state.onChange = [this]
    {
        xArea.emphasised = state.isEmphasized (getXId());
        yArea.emphasised = state.isEmphasized (getYId());
        xArea.repaint();
        yArea.repaint();
    };
    addMouseListener (&xListener, true);
    addMouseListener (&yListener, true);
}

VectorSpaceVisualizerPair::~VectorSpaceVisualizerPair()
{
    removeMouseListener (&xListener);
    removeMouseListener (&yListener);
}

void VectorSpaceVisualizerPair::setBounds (juce::Rectangle<int> area)
{
    const auto side = std::min (area.getWidth(), area.getHeight());
    const auto square = juce::Rectangle<int> (side, side).withCentre (area.getCentre());
    juce::Component::setBounds (square);
    main.setBounds (getLocalBounds());
    if (side >= 2 * stripEndGap)
    {
        yArea.setBounds (stripOffset, stripEndGap, stripThickness, side - 2 * stripEndGap);
        xArea.setBounds (stripEndGap, side - stripOffset - stripThickness, side - 2 * stripEndGap,
                         stripThickness);
    }
    else
    {
        yArea.setBounds ({});
        xArea.setBounds ({});
    }
}
} // namespace cvl
