#include "MonoModulatorsModel.h"

#include "editor/IComponentData.h"

namespace cvl
{
const juce::Identifier MonoModulatorsModel::Type{ "CorvaneMonoModulatorsModel" };

MonoModulatorsModel::MonoModulatorsModel (IMonoModulatorValuesAccess& valueSource) : source (valueSource) {}

MonoModulatorsModel::~MonoModulatorsModel() { stopTimer(); }

juce::Identifier MonoModulatorsModel::propertyFor (std::size_t modulatorIndex)
{
    return juce::Identifier (juce::String (static_cast<int> (modulatorIndex)));
}

void MonoModulatorsModel::timerCallback()
{
    MonoModulators::ValueTable table{};
    source.fillMonoModulationValueTable (table);
    for (std::size_t i = 0; i < table.size(); ++i)
        tree.setProperty (propertyFor (i), static_cast<double> (table[i]), nullptr);
}

MonoModulatorsModel::Listener::Listener (IComponentData& data, const ParameterId& parameter)
    : monoTree (data.getMonoModulatorsModel()), parameterCallbacks (data.getParameterModel())
{
    monoTree.addListener (this);
    if (parameter.name.isEmpty() || parameter.modClass.isEmpty())
        return;

    for (const auto& [id, name] : MonoModulators::IdNameArray)
    {
        const auto modulatorName = juce::String (name.data(), name.size());
        // An LFO's own rate or depth does not follow that LFO.
        if (parameter.modClass == modulatorName)
            continue;
        const auto k = MonoModulators::index (id);
        const auto amountId = ParameterId{ parameter.name, parameter.modClass, modulatorName }.toIdentifier();
        parameterCallbacks.addCallback (
            amountId,
            [this, k] (juce::var normalised)
            {
                // A missing amount (no such parameter, or not yet polled) is no modulation at all.
                amounts[k] = normalised.isVoid() ? 0.0f : 2.0f * static_cast<float> (normalised) - 1.0f;
                update();
            },
            true);
    }
}

MonoModulatorsModel::Listener::~Listener() { monoTree.removeListener (this); }

void MonoModulatorsModel::Listener::valueTreePropertyChanged (juce::ValueTree& changed,
                                                              const juce::Identifier& property)
{
    if (changed != monoTree)
        return;
    for (std::size_t k = 0; k < values.size(); ++k)
    {
        if (property == propertyFor (k))
        {
            values[k] = static_cast<float> (changed[property]);
            update();
            return;
        }
    }
}

void MonoModulatorsModel::Listener::update()
{
    for (std::size_t k = 0; k < products.size(); ++k)
        products[k] = values[k] * amounts[k];
    if (onChange)
        onChange();
}
} // namespace cvl
