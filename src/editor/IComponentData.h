#pragma once

#include "IVectorSpaceAccess.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <vector>

namespace cvl
{
// Everything an editor component may reach: the editor's models (as value-tree handles, cheap to copy),
// the parameters and the voice positions. The editor shell implements it. Message thread.
class IComponentData
{
public:
    virtual ~IComponentData() = default;

    [[nodiscard]] virtual juce::ValueTree getParameterModel() = 0;
    [[nodiscard]] virtual juce::ValueTree getMonoModulatorsModel() = 0;
    [[nodiscard]] virtual juce::ValueTree getPresetModel() = 0;
    [[nodiscard]] virtual juce::ValueTree getUiModel() = 0;
    [[nodiscard]] virtual juce::ValueTree getModulationsModel() = 0;
    // In ascending string order.
    [[nodiscard]] virtual std::vector<juce::Identifier> getParameterIds() = 0;
    // Null when no parameter has this identifier.
    [[nodiscard]] virtual juce::RangedAudioParameter* getParameter (const juce::Identifier& identifier) = 0;
    [[nodiscard]] virtual IVectorSpaceAccess& getVectorSpaceAccess() = 0;
};
} // namespace cvl
