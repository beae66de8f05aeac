#include "ParameterModel.h"

#include "parameters/ParameterId.h"

namespace cvl
{
std::vector<juce::Identifier> ParameterModel::getModulatorAssignmentParameters() const
{
    std::vector<juce::Identifier> identifiers;
    for (const auto& child : node)
        identifiers.push_back (child.getType());
    return identifiers;
}

void ParameterModel::addParameterNode (juce::ValueTree root, const juce::Identifier& identifier)
{
    const auto parts = ParameterId::fromString (identifier.toString());
    if (parts.name.isEmpty() || parts.modClass.isEmpty() || parts.modClass == parts.modulator)
        return;
    if (parts.modulator.isEmpty())
    {
        root.getOrCreateChildWithName (identifier, nullptr);
        return;
    }
    const auto base = ParameterId{ parts.name, parts.modClass, {} }.toIdentifier();
    auto baseNode = root.getOrCreateChildWithName (base, nullptr);
    baseNode.getOrCreateChildWithName (identifier, nullptr);
}
} // namespace cvl
