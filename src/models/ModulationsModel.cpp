#include "ModulationsModel.h"

#include "editor/IComponentData.h"
#include "parameters/ParameterId.h"

namespace cvl
{
const juce::Identifier ModulationsModel::Type{ "ModulationsModel" };

namespace
{
    template <typename Modulators, typename Id>
    juce::Identifier propertyFor (Id id)
    {
        return juce::Identifier (Modulators::nameString (id));
    }
} // namespace

ModulationsModel::ModulationsModel()
{
    tree.addListener (this);
    for (const auto& [id, name] : MonoModulators::IdNameArray)
        tree.setProperty (propertyFor<MonoModulators> (id), false, nullptr);
}

ModulationsModel::~ModulationsModel() { tree.removeListener (this); }

void ModulationsModel::Controller::setEmphasized (MonoModulatorId id, bool emphasized)
{
    tree.setProperty (propertyFor<MonoModulators> (id), emphasized, nullptr);
}

void ModulationsModel::Controller::setEmphasized (PolyModulatorId id, bool emphasized)
{
    tree.setProperty (propertyFor<PolyModulators> (id), emphasized, nullptr);
}

ModulationsModel::MouseListener::MouseListener (IComponentData& data, PolyModulatorId id)
    : controller (data.getModulationsModel())
{
    const auto index = PolyModulators::index (id);
    poly[index < PolyModulators::Count ? index : 0] = true;
}

ModulationsModel::MouseListener::MouseListener (IComponentData& data, const juce::Identifier& parameterId,
                                                bool useSecondPart)
    : controller (data.getModulationsModel())
{
    const auto parts = ParameterId::fromString (parameterId.toString());
    const auto& part = useSecondPart ? parts.modClass : parts.modulator;
    for (const auto& [id, name] : MonoModulators::IdNameArray)
        mono[MonoModulators::index (id)] = part == MonoModulators::nameString (id);
    for (const auto& [id, name] : PolyModulators::IdNameArray)
        poly[PolyModulators::index (id)] = part == PolyModulators::nameString (id);
}

ModulationsModel::MouseListener::MouseListener (IComponentData& data)
    : controller (data.getModulationsModel())
{
}

void ModulationsModel::MouseListener::mouseEnter (const juce::MouseEvent&) { emphasise (true); }

void ModulationsModel::MouseListener::mouseExit (const juce::MouseEvent&) { emphasise (false); }

void ModulationsModel::MouseListener::emphasise (bool emphasized)
{
    for (const auto& [id, name] : MonoModulators::IdNameArray)
        if (mono[MonoModulators::index (id)])
            controller.setEmphasized (id, emphasized);
    for (const auto& [id, name] : PolyModulators::IdNameArray)
        if (poly[PolyModulators::index (id)])
            controller.setEmphasized (id, emphasized);
}

ModulationsModel::State::State (juce::ValueTree modulations) : tree (std::move (modulations))
{
    tree.addListener (this);
}

ModulationsModel::State::~State() { tree.removeListener (this); }

void ModulationsModel::State::valueTreePropertyChanged (juce::ValueTree& changed,
                                                        const juce::Identifier& property)
{
    if (changed != tree || ! onChange)
        return;
    const auto name = property.toString().toStdString();
    if (const auto monoId = MonoModulators::fromName (name))
    {
        mono[MonoModulators::index (*monoId)] = static_cast<bool> (changed[property]);
        onChange();
    }
    else if (const auto polyId = PolyModulators::fromName (name))
    {
        poly[PolyModulators::index (*polyId)] = static_cast<bool> (changed[property]);
        onChange();
    }
}
} // namespace cvl
