#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// The validation suite is a host: JUCE's message manager lives for the whole run, on this thread.
int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    ::testing::InitGoogleTest (&argc, argv);
    return RUN_ALL_TESTS();
}
