#include "ParameterSwap.h"

#include "effects/IEffectProcessor.h"
#include "modulation/Modulators.h"

#include <map>

namespace cvl
{
namespace
{
    constexpr int typeSteps = 6;

    void setInGesture (juce::RangedAudioParameter& parameter, float normalised)
    {
        parameter.beginChangeGesture();
        parameter.setValueNotifyingHost (normalised);
        parameter.endChangeGesture();
    }

    juce::Identifier slotTypeId (int slot)
    {
        return juce::Identifier ("ProcessorType" + juce::String (slot + 1));
    }

    juce::String typeName (float normalised)
    {
        const auto index =
            std::clamp (juce::roundToInt (normalised * static_cast<float> (typeSteps)), 0, typeSteps);
        const auto name = ParameterHelpers::enumName (static_cast<IEffectProcessor::Type> (index));
        return juce::String (name.data(), name.size());
    }
} // namespace

void swapProcessors (IComponentData& data, int slot, bool left)
{
    const auto other = left ? slot - 1 : slot + 1;
    auto* typeA = data.getParameter (slotTypeId (slot));
    auto* typeB = data.getParameter (slotTypeId (other));
    if (typeA == nullptr || typeB == nullptr)
        return;
    const auto vs = typeA->getValue();
    const auto vo = typeB->getValue();
    setInGesture (*typeA, vo);
    setInGesture (*typeB, vs);

    const auto nameS = typeName (vs);
    const auto nameO = typeName (vo);
    const auto valueOf = [&data] (const juce::String& identifier) -> std::optional<float>
    {
        if (const auto* parameter = data.getParameter (identifier))
            return parameter->getValue();
        return std::nullopt;
    };

    // Everything is read before anything is written, so the exchange is symmetric.
    std::map<juce::String, float> values;
    const auto exchange = [&] (const juce::String& a, const juce::String& b)
    {
        const auto va = valueOf (a);
        const auto vb = valueOf (b);
        if (va && vb)
        {
            values[b] = *va;
            values[a] = *vb;
        }
    };
    const auto effect = "_" + IEffectProcessor::EffectModClass;
    for (const auto& identifier : data.getParameterIds())
    {
        const auto text = identifier.toString();
        // "None" names no parameter; only real effect names select the parameters that move.
        const auto matches = [&text] (const juce::String& name)
        { return name != "None" && text.contains (name); };
        if (! matches (nameS) && ! matches (nameO))
            continue;
        const auto n = getParamName (text);
        if (n.isEmpty())
            continue;
        const auto a = n + juce::String (slot) + effect;
        const auto b = n + juce::String (other) + effect;
        exchange (a, b);
        if (text.contains ("Order") || text.contains ("Type"))
            continue;
        for (const auto& [id, name] : PolyModulators::IdNameArray)
        {
            const auto m = "_" + PolyModulators::nameString (id);
            exchange (a + m, b + m);
        }
    }
    for (const auto& [identifier, value] : values)
        if (auto* parameter = data.getParameter (identifier))
            setInGesture (*parameter, value);
}

void swapParameters (IComponentData& data, const juce::Identifier& x, const juce::Identifier& y)
{
    auto* px = data.getParameter (x);
    auto* py = data.getParameter (y);
    if (px == nullptr || py == nullptr)
        return;
    const auto vx = px->getValue();
    const auto vy = py->getValue();
    setInGesture (*px, vy);
    setInGesture (*py, vx);
}

void swapParameters (IComponentData& data, const ParameterId& a, const ParameterId& b, bool withModulations)
{
    swapParameters (data, a.toIdentifier(), b.toIdentifier());
    if (! withModulations || a.modulator.isNotEmpty())
        return;
    for (const auto& [id, name] : MonoModulators::IdNameArray)
    {
        const auto m = MonoModulators::nameString (id);
        swapParameters (data, ParameterId{ a.name, a.modClass, m }.toIdentifier(),
                        ParameterId{ b.name, b.modClass, m }.toIdentifier());
    }
}

void resetParameter (IComponentData& data, const ParameterId& p, bool withModulations)
{
    const auto reset = [&data] (const juce::Identifier& identifier)
    {
        if (auto* parameter = data.getParameter (identifier))
            setInGesture (*parameter, parameter->getDefaultValue());
    };
    reset (p.toIdentifier());
    if (! withModulations || p.modulator.isNotEmpty())
        return;
    for (const auto& [id, name] : MonoModulators::IdNameArray)
        reset (ParameterId{ p.name, p.modClass, MonoModulators::nameString (id) }.toIdentifier());
}
} // namespace cvl
