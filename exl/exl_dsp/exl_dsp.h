/*
  BEGIN_JUCE_MODULE_DECLARATION
    ID:                 exl_dsp
    vendor:             halvikaudio
    version:            1.0.0
    name:               DSP building blocks
    description:        Envelope, output safety limiter and filters.
    license:            GPL-3.0-or-later
    dependencies:       juce_audio_basics juce_dsp
    minimumCppStandard: 20
  END_JUCE_MODULE_DECLARATION
*/
#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_dsp/juce_dsp.h>

#include "Adsr.h"
#include "CascadedIIRFilter.h"
#include "SafetyLimiter.h"
#include "StateVariableBank.h"
