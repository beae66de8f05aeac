#include "exl_gui.h"

// Dependencies first.
// clang-format off
#include "choice/ChoiceParameterGesture.cpp"
#include "choice/ChoiceParameterModel.cpp"
#include "choice/ChoiceSelector.cpp"
#include "choice/ChoiceSetListener.cpp"
#include "choice/SelectionModel.cpp"
#include "choice/SelectionModelListener.cpp"
#include "gestures/DragArea.cpp"
#include "gestures/MouseClickListener.cpp"
#include "gestures/MouseEventRepaint.cpp"
#include "gestures/MouseHoverListener.cpp"
#include "gestures/ParameterDragHandler.cpp"
#include "gestures/ParameterHandler.cpp"
#include "gestures/ParameterToggleButtonListener.cpp"
#include "gestures/ParameterValuesModel.cpp"
#include "gestures/ValueTreeCallbacks.cpp"
#include "gestures/ValueVisualizerBase.cpp"
#include "popup/PopupClient.cpp"
#include "popup/PopupHost.cpp"
// clang-format on
