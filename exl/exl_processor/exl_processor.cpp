#include "exl_processor.h"

// Dependencies first.
// clang-format off
#include "ParameterRegistry.cpp"
#include "StateDocument.cpp"
#include "PluginProcessor.cpp"
// clang-format on
