#include "effects/AllpassProcessor.h"
#include "effects/DiffuserProcessor.h"
#include "effects/FilterProcessor.h"
#include "effects/VoiceSet.h"
#include "reference/ReferenceChain.h"
#include "support/DirectorAccess.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
constexpr std::size_t voices = 16;
constexpr double sampleRate = 48000.0;

// The three slots of the heaviest chain, one channel, every per-voice value moved by the first
// vector space: base + amount x X (or Y) of each voice, as the effects' parameter sets compute it.
struct ProductionChain
{
    struct Base
    {
        const char* id;
        float base, amount;
        const char* modulator;
    };
    static constexpr Base bases[] = {
        { "AllpassCutoff0_Effect", 0.55f, 0.35f, "VectorSpace1X" },
        { "DiffuserDelayTime1_Effect", 0.3f, 0.25f, "VectorSpace1X" },
        { "DiffuserFeedback1_Effect", 0.6f, 0.3f, "VectorSpace1Y" },
        { "DiffuserMix1_Effect", 0.5f, -0.4f, "VectorSpace1Y" },
        { "FilterCutoff2_Effect", 0.45f, 0.3f, "VectorSpace1Y" },
    };

    cvl::ParameterDirector director;
    cvl::AllpassProcessor::Parameters allpassParameters{ 0, director };
    cvl::DiffuserProcessor::Parameters diffuserParameters{ 1, director };
    cvl::FilterProcessor::Parameters filterParameters{ 2, director };
    std::array<cvl::AllpassProcessor, 1> allpass;
    std::array<cvl::DiffuserProcessor, 1> diffuser;
    std::array<cvl::FilterProcessor, 1> filter;
    cvl::VectorSpaceProcessors spaces{};

    ProductionChain()
    {
        allpass[0].setSampleRate (sampleRate);
        diffuser[0].setSampleRate (sampleRate);
        filter[0].setSampleRate (sampleRate);
        allpassParameters.setProcessors (allpass);
        diffuserParameters.setProcessors (diffuser);
        filterParameters.setProcessors (filter);
        cvl::test::change (director, "AllpassOrder0_Effect", 3.0f);
        cvl::test::change (director, "FilterType2_Effect", 2.0f);
        cvl::test::change (director, "FilterOrder2_Effect", 1.0f);
        for (const auto& b : bases)
        {
            cvl::test::change (director, b.id, b.base);
            cvl::test::change (director, juce::String (b.id) + "_" + b.modulator, b.amount);
        }
        for (auto& space : spaces)
            space.voiceCount = voices;
    }

    void process (cvl::test::VoiceSet& set)
    {
        allpassParameters.calculateValues (spaces);
        diffuserParameters.calculateValues (spaces);
        filterParameters.calculateValues (spaces);
        auto view = set.view();
        allpass[0].process (view);
        diffuser[0].process (view);
        filter[0].process (view);
    }
};
} // namespace

// The effects run their voices side by side in vectors; the plain models run them one by one. The
// sections of the all-pass and the filter are designed independently here, so a coefficient may
// differ in its last bit: the comparison allows 1e-6 of full scale. Everything else is the same
// arithmetic.
TEST (EffectChain, AllpassDiffuserAndBandPassFollowThePlainModelsAsTheVoicesMove)
{
    ProductionChain production;
    cvl::reference::ReferenceChain reference (sampleRate, voices);
    std::mt19937 random (21);
    std::uniform_real_distribution<float> unit (-1.0f, 1.0f);

    for (const std::size_t length : { 512u, 512u, 100u, 512u, 37u, 512u, 512u })
    {
        // The voices move every sub-block, as LFO-driven transforms move them.
        auto& space = production.spaces[0].transformed;
        for (std::size_t v = 0; v < voices; ++v)
        {
            space.x[v] = unit (random);
            space.y[v] = unit (random);
        }
        std::vector<cvl::reference::ReferenceChain::VoiceValues> values (voices);
        for (std::size_t v = 0; v < voices; ++v)
        {
            const auto at = [&] (std::size_t i)
            {
                const auto& b = ProductionChain::bases[i];
                const auto coordinate = std::string (b.modulator).back() == 'X' ? space.x[v] : space.y[v];
                return std::clamp (b.base + b.amount * coordinate, 0.0f, 1.0f);
            };
            values[v] = { at (0), at (1), at (2), at (3), at (4) };
        }

        cvl::test::VoiceSet set (voices, length);
        for (auto& buffer : set.buffers)
            for (auto& x : buffer)
                x = 0.5f * unit (random);
        auto expected = set.buffers;
        production.process (set);
        reference.process (expected, values);

        for (std::size_t v = 0; v < voices; ++v)
            for (std::size_t i = 0; i < length; ++i)
                ASSERT_NEAR (set.buffers[v][i], expected[v][i], 1.0e-6f) << "voice " << v << " at " << i;
    }
}
