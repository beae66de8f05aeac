#include "ExpectedParameters.h"

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <iostream>
#include <string_view>

// The validation suite is a host: JUCE's message manager lives for the whole run, on this thread.
// With --list-expected-parameters it prints the expected host parameter identifiers, one a line, for
// the checks that compare them with what other hosts read from the bundles.
int main (int argc, char** argv)
{
    if (argc == 2 && std::string_view (argv[1]) == "--list-expected-parameters")
    {
        for (const auto& parameter : cvl::validation::expectedHostParameters())
            std::cout << parameter.identifier << '\n';
        return 0;
    }

    juce::ScopedJuceInitialiser_GUI juce;
    ::testing::InitGoogleTest (&argc, argv);
    return RUN_ALL_TESTS();
}
