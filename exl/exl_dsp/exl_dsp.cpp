#include "exl_dsp.h"

#include "Adsr.cpp"
#include "CascadedIIRFilter.cpp"
#include "SafetyLimiter.cpp"
#include "StateVariableBank.cpp"
#include "StateVariableCoefficients.cpp"
