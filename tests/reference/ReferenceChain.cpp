#include "ReferenceChain.h"

namespace cvl::reference
{
ReferenceChain::ReferenceChain (double sampleRate, std::size_t voices)
    : rate (sampleRate), allpass (voices), filter (voices), diffuser (sampleRate, voices)
{
    // As a prepared processor meets its first block: the all-pass has no sections until its order
    // arrives, the filter one section until its second joins; joining sections take their first
    // design at once, the filter's first section glides to it.
    for (auto& cascade : allpass)
    {
        cascade.setSampleRate (rate);
        cascade.setStages (4);
    }
    for (auto& cascade : filter)
    {
        cascade.setStages (1);
        cascade.setSampleRate (rate);
        cascade.setStages (2);
    }
}

float ReferenceChain::toHz (float normalised)
{
    return normalised == 0.0f ? 20.0f : 20.0f + std::pow (19980.0f, std::sqrt (normalised));
}

void ReferenceChain::process (std::vector<std::vector<float>>& voices, const std::vector<VoiceValues>& values)
{
    for (std::size_t v = 0; v < voices.size(); ++v)
    {
        const auto section = allpassSection (static_cast<double> (toHz (values[v].allpassCutoff)), rate);
        allpass[v].design (std::vector<Section> (4, section));
        filter[v].design (
            butterworth (FilterType::BandPass, static_cast<double> (toHz (values[v].filterCutoff)), rate, 2));
        diffuser.setVoice (v, values[v].diffuserTime, values[v].diffuserFeedback, values[v].diffuserMix);
    }

    for (std::size_t v = 0; v < voices.size(); ++v)
        for (auto& x : voices[v])
            x = allpass[v].process (x);
    diffuser.process (voices);
    for (std::size_t v = 0; v < voices.size(); ++v)
        for (auto& x : voices[v])
            x = filter[v].process (x);
}
} // namespace cvl::reference
