#pragma once

#include "editor/IComponentData.h"

namespace cvl::test
{
// Component data with plain trees and no parameters, for models that only look at trees.
class FakeComponentData : public IComponentData, public IVectorSpaceAccess
{
public:
    juce::ValueTree parameters{ "ParameterValuesModel" };
    juce::ValueTree mono{ "CorvaneMonoModulatorsModel" };
    juce::ValueTree ui{ "CorvaneUiModel" };
    juce::ValueTree modulations{ "ModulationsModel" };
    PolyValues row{};

    juce::ValueTree getParameterModel() override { return parameters; }
    juce::ValueTree getMonoModulatorsModel() override { return mono; }
    juce::ValueTree getPresetModel() override { return {}; }
    juce::ValueTree getUiModel() override { return ui; }
    juce::ValueTree getModulationsModel() override { return modulations; }
    std::vector<juce::Identifier> getParameterIds() override { return {}; }
    juce::RangedAudioParameter* getParameter (const juce::Identifier&) override { return nullptr; }
    IVectorSpaceAccess& getVectorSpaceAccess() override { return *this; }
    View readInitial (PolyModulatorId) const override { return row; }
    View readTransformed (PolyModulatorId) const override { return row; }
};
} // namespace cvl::test
