#include "reference/ReferenceFilters.h"

#include <exl_dsp/exl_dsp.h>
#include <gtest/gtest.h>

#include <random>

namespace
{
using cvl::reference::Section;
using exl::dsp::StateVariableBank;

// A random stable design: a low pass somewhere between 30 Hz and 18 kHz.
Section randomDesign (std::mt19937& random)
{
    std::uniform_real_distribution<double> hz (30.0, 18000.0);
    return cvl::reference::butterworth (cvl::reference::FilterType::LowPass, hz (random), 48000.0, 1).front();
}

StateVariableBank::Values targetsOf (const Section& design)
{
    return exl::dsp::StateVariableCoefficients::fromDirectForm (design.first, design.second);
}
} // namespace

// Every lane is its own cascade: sections with the same targets in the plain model give the same
// samples, bit for bit, whatever the number of lanes, the block lengths and the glides in flight.
TEST (StateVariableBank, EveryLaneComputesExactlyWhatOnePlainCascadeComputes)
{
    for (const std::size_t lanes : { 1u, 3u, 4u, 5u, 16u })
        for (const std::size_t stages : { 1u, 2u, 4u })
        {
            std::mt19937 random (static_cast<unsigned> (lanes * 10 + stages));
            StateVariableBank bank;
            bank.setNumStages (stages);
            bank.setGlideSteps (240);
            std::vector<cvl::reference::VoiceCascade> plain (lanes);
            for (auto& cascade : plain)
            {
                cascade.setStages (stages);
                cascade.setSampleRate (48000.0);
            }

            std::uniform_real_distribution<float> noise (-1.0f, 1.0f);
            for (const std::size_t length : { 64u, 100u, 1u, 511u, 0u, 300u })
            {
                for (std::size_t lane = 0; lane < lanes; ++lane)
                {
                    std::vector<Section> sections;
                    for (std::size_t s = 0; s < stages; ++s)
                    {
                        sections.push_back (randomDesign (random));
                        bank.setTargets (lane, s, targetsOf (sections.back()));
                    }
                    plain[lane].design (sections);
                }

                std::vector<std::vector<float>> buffers (lanes, std::vector<float> (length));
                for (auto& buffer : buffers)
                    for (auto& x : buffer)
                        x = noise (random);
                auto expected = buffers;
                std::vector<float*> pointers;
                for (auto& buffer : buffers)
                    pointers.push_back (buffer.data());
                bank.process (pointers, length);
                for (std::size_t lane = 0; lane < lanes; ++lane)
                    for (auto& x : expected[lane])
                        x = plain[lane].process (x);
                for (std::size_t lane = 0; lane < lanes; ++lane)
                    ASSERT_EQ (buffers[lane], expected[lane])
                        << lanes << " lanes, " << stages << " stages, lane " << lane;
            }
        }
}

TEST (StateVariableBank, LanesAboveTheProcessedOnesKeepTheirStateAndGlides)
{
    StateVariableBank bank;
    bank.setGlideSteps (240);
    std::mt19937 random (7);
    for (std::size_t lane = 0; lane < StateVariableBank::maxLanes; ++lane)
        bank.setTargets (lane, 0, targetsOf (randomDesign (random)));

    std::vector<std::vector<float>> buffers (StateVariableBank::maxLanes, std::vector<float> (150, 0.5f));
    std::vector<float*> pointers;
    for (auto& buffer : buffers)
        pointers.push_back (buffer.data());
    bank.process (pointers, 100);

    std::vector<double> s1, s2;
    for (std::size_t lane = 0; lane < StateVariableBank::maxLanes; ++lane)
    {
        s1.push_back (bank.getState1 (0, lane));
        s2.push_back (bank.getState2 (0, lane));
    }
    // Six lanes: the second group is half used, the third and fourth not at all. The processed lanes
    // finish their 240-step glides; the others stay 100 steps in.
    bank.process (std::span<float* const> (pointers.data(), 6), 150);
    for (std::size_t lane = 0; lane < StateVariableBank::maxLanes; ++lane)
    {
        const bool processed = lane < 6;
        EXPECT_EQ (bank.getState1 (0, lane) != s1[lane], processed) << lane;
        EXPECT_EQ (bank.getState2 (0, lane) != s2[lane], processed) << lane;
        EXPECT_EQ (bank.isGliding (0, lane), ! processed) << lane;
    }
}

TEST (StateVariableBank, JoiningSectionsStartFromZeroAndTakeTheirFirstTargetsAtOnce)
{
    StateVariableBank bank;
    bank.setGlideSteps (240);
    std::mt19937 random (11);
    const auto first = targetsOf (randomDesign (random));
    bank.setTargets (0, 0, first);
    std::vector<float> samples (64, 1.0f);
    float* pointer = samples.data();
    bank.process ({ &pointer, 1 }, 64);

    bank.setNumStages (2);
    EXPECT_EQ (bank.getState1 (1, 0), 0.0);
    EXPECT_EQ (bank.getState2 (1, 0), 0.0);
    bank.setTargets (0, 1, first);
    EXPECT_FALSE (bank.isGliding (1, 0));
    EXPECT_TRUE (bank.isGliding (0, 0));
}
