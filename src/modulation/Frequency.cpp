#include "Frequency.h"

namespace cvl
{
float Frequency::toHz (float normalised) noexcept
{
    if (normalised == 0.0f)
        return minimumHz;
    return minimumHz + std::pow (spanHz, std::sqrt (normalised));
}

float Frequency::toNormalised (float hz) noexcept
{
    if (hz == minimumHz)
        return 0.0f;
    const auto root = std::log (hz - minimumHz) / std::log (spanHz);
    return root * root;
}

const juce::NormalisableRange<float> Frequency::Range{
    minimumHz,
    minimumHz + spanHz,
    [] (float, float, float normalised) { return toHz (normalised); },
    [] (float, float, float hz) { return toNormalised (hz); },
};
} // namespace cvl
