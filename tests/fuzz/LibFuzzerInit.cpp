// libFuzzer supplies main; the message manager must exist before the first processor.
#include <juce_events/juce_events.h>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    juce::initialiseJuce_GUI();
    std::atexit ([] { juce::shutdownJuce_GUI(); });
    return 0;
}
