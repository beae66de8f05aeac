#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <vector>

namespace cvl
{
// One base parameter's node in the parameter values tree; its children are the modulation-amount
// parameters assigned to it. Message thread.
class ParameterModel
{
public:
    explicit ParameterModel (juce::ValueTree parameterNode) : node (std::move (parameterNode)) {}

    // The children's types, in child order; an invalid node gives an empty list.
    [[nodiscard]] std::vector<juce::Identifier> getModulatorAssignmentParameters() const;

    // Gives a parameter its node under the root of the parameter values tree: a base parameter
    // ("Name_Class") a direct child, a modulation amount ("Name_Class_Modulator") a child of its base's
    // node. Identifiers of one part, and amounts whose class equals their modulator, get none.
    static void addParameterNode (juce::ValueTree root, const juce::Identifier& identifier);

private:
    juce::ValueTree node;
};
} // namespace cvl
