#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The state fuzz target: every input goes to a fresh, prepared processor, once as raw state bytes and
// once as edits to a real saved state, and the processor must still produce finite output and a state
// that reads back to itself.
extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size);

namespace cvl::fuzz
{
// Called with a description when an input breaks a check. The default prints it and aborts, which is
// what a fuzzing engine treats as a finding; the unit tests collect the descriptions instead. An empty
// handler brings the default back.
using FailureHandler = std::function<void (const std::string& description)>;
void setFailureHandler (FailureHandler handler);

// The document the structured half of the target edits: a fresh processor's saved state.
[[nodiscard]] const std::string& savedStateOfAFreshProcessor();
} // namespace cvl::fuzz
