#include "DspParameter.h"

namespace cvl
{
DspParameter::DspParameter (ParameterDirector& director, const ParameterId& id, float defaultValue,
                            const exl::TextFunction& textFunction)
{
    auto& baseOptions = director.external.addFloat (id.toIdentifier(), { 0.0f, 1.0f }, defaultValue);
    baseOptions.name = id.name;
    baseOptions.textFunction = textFunction;
    baseOptions.changeCallback = [this] (float value) { base = value; };

    for (const auto& [modulator, modulatorName] : PolyModulators::IdNameArray)
    {
        const ParameterId amountId{ id.name, id.modClass,
                                    juce::String (modulatorName.data(), modulatorName.size()) };
        auto& amountOptions = director.internal.addFloat (amountId.toIdentifier(), { -1.0f, 1.0f }, 0.0f);
        amountOptions.changeCallback = [this, index = PolyModulators::index (modulator)] (float value)
        { amounts[index] = value; };
    }
}

void DspParameter::calculateValues (const VectorSpaceProcessors& spaces) noexcept
{
    const auto& space1 = spaces[0].transformed;
    const auto& space2 = spaces[1].transformed;
    const auto& space3 = spaces[2].transformed;
    const auto count = std::min (space1.size, maxVoices);
    // Added in modulator order, in single precision; one pass over fixed arrays that vectorises.
    for (std::size_t i = 0; i < count; ++i)
    {
        auto v = base + amounts[0] * space1.x[i];
        v += amounts[1] * space1.y[i];
        v += amounts[2] * space2.x[i];
        v += amounts[3] * space2.y[i];
        v += amounts[4] * space3.x[i];
        v += amounts[5] * space3.y[i];
        values[i] = std::clamp (v, 0.0f, 1.0f);
    }
}
} // namespace cvl
