#include "ModulationsOverlay.h"

#include "editor/Colours.h"
#include "models/ParameterModel.h"
#include "parameters/ParameterId.h"

namespace cvl
{
const juce::Identifier ModulationsOverlay::ModulatorProperty{ "ModulationsOverlayModulator" };
const juce::Identifier ModulationsOverlay::ParameterProperty{ "ModulationsOverlayParameter" };

namespace
{
    constexpr juce::uint8 shadeAlpha = 0x1a;
    // A normalised amount of one half moves nothing.
    constexpr float zeroAmount = 0.5f;
} // namespace

ModulationsOverlay::ModulationsOverlay (IComponentData& componentData, exl::IPopupHandle& popupHandle)
    : data (componentData), popup (popupHandle)
{
    setName ("Modulations Overlay");
}

void ModulationsOverlay::setModulator (juce::Component& component, PolyModulatorId id)
{
    component.getProperties().set (ModulatorProperty, PolyModulators::nameString (id));
}

void ModulationsOverlay::setModulator (juce::Component& component, MonoModulatorId id)
{
    component.getProperties().set (ModulatorProperty, MonoModulators::nameString (id));
}

juce::String ModulationsOverlay::shortLabel (const juce::String& modulatorName)
{
    return modulatorName.retainCharacters ("LMV0123456789XY");
}

void ModulationsOverlay::parentHierarchyChanged()
{
    if (getParentComponent() != nullptr)
        rebuild();
}

void ModulationsOverlay::rebuild()
{
    controls.clear();
    sources.clear();
    assignments.clear();
    fillComponentList (getTopLevelComponent());

    // Amounts that exist but are zero modulate nothing and get no curve.
    const auto root = data.getParameterModel();
    for (const auto& node : root)
    {
        for (const auto& amount : ParameterModel (node).getModulatorAssignmentParameters())
        {
            const auto* parameter = data.getParameter (amount);
            if (parameter == nullptr || juce::approximatelyEqual (parameter->getValue(), zeroAmount))
                continue;
            const auto parts = ParameterId::fromString (amount.toString());
            const auto modulator = parts.modulator.toStdString();
            if (! MonoModulators::fromName (modulator) && ! PolyModulators::fromName (modulator))
                continue;
            assignments[parts.modulator].push_back (ParameterId{ parts.name, parts.modClass, {} }.toString());
        }
    }
    repaint();
}

void ModulationsOverlay::fillComponentList (juce::Component* component)
{
    if (component == nullptr || component == this)
        return;
    const auto& tags = component->getProperties();
    if (const auto parameter = tags[ParameterProperty].toString(); parameter.isNotEmpty())
        controls[parameter] = component;
    else if (const auto modulator = tags[ModulatorProperty].toString(); modulator.isNotEmpty())
        sources[modulator] = component;
    for (auto* child : component->getChildren())
        fillComponentList (child);
}

std::vector<ModulationsOverlay::Curve> ModulationsOverlay::getCurves() const
{
    std::vector<Curve> curves;
    for (const auto& [modulator, parameters] : assignments)
    {
        const auto source = sources.find (modulator);
        if (source == sources.end() || source->second == nullptr)
            continue;
        const auto* sourceComponent = source->second.get();
        const auto q =
            getLocalPoint (sourceComponent, sourceComponent->getLocalBounds().getCentre().toFloat());
        for (const auto& parameter : parameters)
        {
            const auto control = controls.find (parameter);
            if (control == controls.end() || control->second == nullptr)
                continue;
            const auto* controlComponent = control->second.get();
            const auto p =
                getLocalPoint (controlComponent, controlComponent->getLocalBounds().getCentre().toFloat());
            curves.push_back ({ modulator, parameter, p, q });
        }
    }
    return curves;
}

void ModulationsOverlay::paint (juce::Graphics& g)
{
    const auto text = Colours::get (this, Colours::Text);
    const juce::PathStrokeType::JointStyle joint = juce::PathStrokeType::mitered;
    const auto curves = getCurves();
    for (const auto& curve : curves)
    {
        juce::Path path;
        path.startNewSubPath (curve.control);
        path.quadraticTo ((curve.control.x + curve.source.x) / 2.0f,
                          std::max (curve.control.y, curve.source.y) + sag, curve.source.x, curve.source.y);
        g.setColour (text);
        g.strokePath (path, juce::PathStrokeType (2.0f, joint, juce::PathStrokeType::butt));
        g.setColour (juce::Colours::black.withAlpha (shadeAlpha));
        g.strokePath (path, juce::PathStrokeType (6.0f, joint, juce::PathStrokeType::butt));
        g.strokePath (path, juce::PathStrokeType (4.0f, joint, juce::PathStrokeType::butt));
    }
    for (const auto& curve : curves)
    {
        paintPoint (g, curve.control, {});
        paintPoint (g, curve.source, shortLabel (curve.modulator));
    }
}

void ModulationsOverlay::paintPoint (juce::Graphics& g, juce::Point<float> p, const juce::String& label) const
{
    const auto d = label.isNotEmpty() ? labelledPointSize : plainPointSize;
    const auto halo = juce::Rectangle<float> (d + haloGrowth, d + haloGrowth).withCentre (p);
    g.setGradientFill (juce::ColourGradient (juce::Colours::black, p, juce::Colours::transparentBlack,
                                             { p.x + d * juce::MathConstants<float>::sqrt2 / 2.0f, p.y },
                                             true));
    g.fillEllipse (halo);
    const auto disc = juce::Rectangle<float> (d, d).withCentre (p);
    g.setColour (Colours::get (this, Colours::Text));
    g.fillEllipse (disc);
    if (label.isNotEmpty())
    {
        g.setColour (Colours::get (this, Colours::Background));
        g.drawText (label, disc, juce::Justification::centred, true);
    }
}

void ModulationsOverlay::mouseDown (const juce::MouseEvent&) { popup.destroy(); }
} // namespace cvl
