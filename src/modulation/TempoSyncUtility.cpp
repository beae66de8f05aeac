#include "TempoSyncUtility.h"

namespace cvl
{
namespace
{
    constexpr float maximumHz = 5.0f;
    // log10 2 puts 0.5 Hz, a tenth of the range, at the centre of the control.
    constexpr float hzSkew = 0.30103f;

    constexpr std::array<double, TempoSyncUtility::lengthCount> beats{
        8.0, 16.0 / 3.0, 4.0, 8.0 / 3.0, 2.0, 4.0 / 3.0, 1.0, 2.0 / 3.0, 0.5, 1.0 / 3.0,
    };
    constexpr std::array<const char*, TempoSyncUtility::lengthCount> labels{
        "2/1", "4/3", "1/1", "2/3", "1/2", "1/3", "1/4", "1/6", "1/8", "1/12",
    };
} // namespace

const juce::NormalisableRange<float> TempoSyncUtility::HzRange{ 0.0f, maximumHz, 0.0f, hzSkew };

double TempoSyncUtility::lengthInBeats (std::size_t index) noexcept
{
    return beats[index < lengthCount ? index : 0];
}

juce::String TempoSyncUtility::LengthToString (Length length)
{
    const auto index = static_cast<std::size_t> (length);
    return index < lengthCount ? juce::String (labels[index]) : juce::String ("ERROR");
}
} // namespace cvl
