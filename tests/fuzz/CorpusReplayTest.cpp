#include "StateFuzzTarget.h"

#include <juce_core/juce_core.h>

#include <gtest/gtest.h>

// Every input in the corpus, including those a fuzzing run once found, goes through the fuzz target.
TEST (StateFuzzCorpus, EveryCorpusInputPassesTheTarget)
{
    const juce::File folder (CORVANE_FUZZ_CORPUS_DIR);
    auto files = folder.findChildFiles (juce::File::findFiles, false, "*");
    files.sort();
    ASSERT_TRUE (folder.getChildFile ("saved-state.xml").existsAsFile());

    std::vector<std::string> failures;
    cvl::fuzz::setFailureHandler ([&failures] (const std::string& description)
                                  { failures.push_back (description); });
    for (const auto& file : files)
    {
        SCOPED_TRACE (file.getFileName());
        juce::MemoryBlock block;
        ASSERT_TRUE (file.loadFileAsData (block));
        failures.clear();
        LLVMFuzzerTestOneInput (static_cast<const uint8_t*> (block.getData()), block.getSize());
        EXPECT_TRUE (failures.empty()) << (failures.empty() ? "" : failures.front());
    }
    cvl::fuzz::setFailureHandler (nullptr);
}
