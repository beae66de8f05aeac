#include "exl_parameters.h"

#include "Parameter.cpp"
#include "BoolParameter.cpp"
#include "ChoiceParameter.cpp"
#include "ParameterDirector.cpp"
