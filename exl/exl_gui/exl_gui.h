/*
  BEGIN_JUCE_MODULE_DECLARATION
    ID:                 exl_gui
    vendor:             halvikaudio
    version:            1.0.0
    name:               Editor toolkit
    description:        Parameter gestures, value visualizers, the popup host and the choice selector.
    license:            GPL-3.0-or-later
    dependencies:       juce_gui_basics juce_audio_processors
    minimumCppStandard: 20
  END_JUCE_MODULE_DECLARATION
*/
#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

// Dependencies first.
// clang-format off
#include "choice/ChoiceParameterGesture.h"
#include "choice/ChoiceParameterModel.h"
#include "choice/ChoiceSelector.h"
#include "choice/ChoiceSetListener.h"
#include "choice/IChoiceSelectorPaint.h"
#include "choice/SelectionModel.h"
#include "choice/SelectionModelListener.h"
#include "gestures/DragArea.h"
#include "gestures/IDragHandler.h"
#include "gestures/IParameterGesture.h"
#include "gestures/MouseClickListener.h"
#include "gestures/MouseEventRepaint.h"
#include "gestures/MouseHoverListener.h"
#include "gestures/ParameterDragHandler.h"
#include "gestures/ParameterHandler.h"
#include "gestures/ParameterSliderListener.h"
#include "gestures/ParameterToggleButtonListener.h"
#include "gestures/ParameterValuesModel.h"
#include "gestures/RotaryParameterDragHandler.h"
#include "gestures/SliderVisualizerBase.h"
#include "gestures/ToggleButtonVisualizer.h"
#include "gestures/ValueTreeCallbacks.h"
#include "gestures/ValueVisualizerBase.h"
#include "popup/IPopupHandle.h"
#include "popup/IPopupHost.h"
#include "popup/PopupAlignment.h"
#include "popup/PopupClient.h"
#include "popup/PopupHost.h"
// clang-format on
