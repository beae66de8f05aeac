#include "Icon.h"

namespace cvl
{
Icon::Icon (const char* svgText, bool strokeOutline) : stroke (strokeOutline)
{
    if (svgText == nullptr || *svgText == 0)
        return;
    document = juce::XmlDocument::parse (juce::String::fromUTF8 (svgText));
    if (document == nullptr)
        return;
    drawable = juce::Drawable::createFromSVG (*document);
    if (drawable != nullptr)
        path = drawable->getOutlineAsPath();
}

void Icon::paint (juce::Graphics& g) const
{
    if (path.isEmpty())
        return;
    const auto transform = path.getTransformToScaleToFit (bounds, true, juce::Justification::centred);
    if (stroke)
        g.strokePath (
            path,
            juce::PathStrokeType (strokeWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded),
            transform);
    else
        g.fillPath (path, transform);
}
} // namespace cvl
