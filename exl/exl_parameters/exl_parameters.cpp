#include "exl_parameters.h"

// Dependencies first.
// clang-format off
#include "Parameter.cpp"
#include "BoolParameter.cpp"
#include "ChoiceParameter.cpp"
#include "ParameterDirector.cpp"
// clang-format on
