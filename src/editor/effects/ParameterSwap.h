#pragma once

#include "editor/IComponentData.h"
#include "parameters/ParameterId.h"

namespace cvl
{
// Moves and resets of parameter values as the editor offers them; every write is one host gesture.
// Missing parameters are skipped. Message thread.

// Exchanges the effect of slot `slot` with its left or right neighbour, with every value and per-voice
// modulation amount of both effects.
void swapProcessors (IComponentData& data, int slot, bool left);
// Exchanges two parameters' values and, with withModulations and no modulator part in a, their mono
// modulation amounts.
void swapParameters (IComponentData& data, const ParameterId& a, const ParameterId& b, bool withModulations);
void swapParameters (IComponentData& data, const juce::Identifier& x, const juce::Identifier& y);
// Back to the default, with withModulations its mono modulation amounts too.
void resetParameter (IComponentData& data, const ParameterId& p, bool withModulations);
} // namespace cvl
