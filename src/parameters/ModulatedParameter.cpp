#include "ModulatedParameter.h"

namespace cvl
{
namespace
{
    const juce::NormalisableRange<float> bipolarRange{ -1.0f, 1.0f };
}

ModulatedParameter::ModulatedParameter (ParameterDirector& director, const ParameterId& id,
                                        float defaultValue, const exl::TextFunction& textFunction)
{
    auto& baseOptions = director.external.addFloat (id.toIdentifier(), bipolarRange, defaultValue);
    baseOptions.name = id.name;
    baseOptions.caption = ParameterId::toDisplayString (id.name);
    baseOptions.textFunction = textFunction;
    baseOptions.changeCallback = [this] (float value) { base = value; };

    for (const auto& [modulator, modulatorName] : MonoModulators::IdNameArray)
    {
        const ParameterId amountId{ id.name, id.modClass,
                                    juce::String (modulatorName.data(), modulatorName.size()) };
        auto& amountOptions = director.internal.addFloat (amountId.toIdentifier(), bipolarRange, 0.0f);
        amountOptions.changeCallback = [this, index = MonoModulators::index (modulator)] (float value)
        { amounts[index] = value; };
    }
}

float ModulatedParameter::getModulatedValue (const MonoModulators::ValueTable& mono) const noexcept
{
    auto value = amounts[0] * mono[0] + base;
    for (std::size_t i = 1; i < amounts.size(); ++i)
        value += amounts[i] * mono[i];
    return std::clamp (value, -1.0f, 1.0f);
}
} // namespace cvl
