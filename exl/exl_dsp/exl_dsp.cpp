#include "exl_dsp.h"

#include "Adsr.cpp"
#include "SafetyLimiter.cpp"
#include "StateVariableCoefficients.cpp"
#include "CascadedIIRFilter.cpp"
