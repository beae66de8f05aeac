#include "exl_processor.h"

#include "ParameterRegistry.cpp"
#include "StateDocument.cpp"
#include "PluginProcessor.cpp"
