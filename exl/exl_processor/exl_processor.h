/*
  BEGIN_JUCE_MODULE_DECLARATION
    ID:                 exl_processor
    vendor:             halvikaudio
    version:            1.0.0
    name:               Processor base and state document
    description:        Audio processor base with a parameter registry, change dispatch and XML state.
    license:            GPL-3.0-or-later
    dependencies:       juce_audio_processors exl_parameters
    minimumCppStandard: 20
  END_JUCE_MODULE_DECLARATION
*/
#pragma once

#include <exl_parameters/exl_parameters.h>

// Dependencies first.
// clang-format off
#include "ParameterRegistry.h"
#include "StateDocument.h"
#include "PluginProcessor.h"
#include "DummyAudioProcessor.h"
#include "ParameterCreationHandlers.h"
// clang-format on
