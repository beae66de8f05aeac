#pragma once

#include <exl_parameters/exl_parameters.h>

#include <map>

namespace exl
{
// Orders identifiers by the code points of their text (the byte order of UTF-8): upper case before
// "_", "_" before lower case, a prefix before every longer text that starts with it.
struct IdentifierCodePointLess
{
    bool operator() (const juce::Identifier& a, const juce::Identifier& b) const noexcept;
};

// Every parameter of a processor, external and internal, by identifier. Filled during construction
// on the message thread; afterwards only read, by any thread, without locks.
class ParameterRegistry
{
public:
    // Replaces an entry with the same identifier.
    void add (Parameter& parameter);
    [[nodiscard]] Parameter* find (const juce::Identifier& identifier) const;
    [[nodiscard]] std::vector<juce::Identifier> getIdentifiers() const;
    [[nodiscard]] std::size_t size() const noexcept { return parameters.size(); }

    // In identifier order; a flat copy so that the audio thread walks an array, not a tree.
    [[nodiscard]] const std::vector<Parameter*>& getOrderedParameters() const noexcept { return ordered; }

private:
    std::map<juce::Identifier, Parameter*, IdentifierCodePointLess> parameters;
    std::vector<Parameter*> ordered;
};
} // namespace exl
