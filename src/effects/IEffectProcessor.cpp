#include "IEffectProcessor.h"

namespace cvl
{
const juce::String IEffectProcessor::EffectModClass{ "Effect" };
}
