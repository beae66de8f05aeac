/*
  BEGIN_JUCE_MODULE_DECLARATION
    ID:                 exl_parameters
    vendor:             halvikaudio
    version:            1.0.0
    name:               Parameter framework
    description:        Two-stage parameter declaration and creation, with external and internal parameters.
    license:            GPL-3.0-or-later
    dependencies:       juce_audio_processors
    minimumCppStandard: 20
  END_JUCE_MODULE_DECLARATION
*/
#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// Dependencies first.
// clang-format off
#include "Parameter.h"
#include "BoolParameter.h"
#include "ChoiceParameter.h"
#include "ParameterOptions.h"
#include "ParameterDirector.h"
#include "ParameterCreationHandler.h"
// clang-format on
