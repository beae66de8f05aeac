#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace cvl::fuzz
{
// Seeded, so that a run can be repeated exactly: bit flips, byte changes, insertions and deletions,
// splices from other corpus inputs, and substitutions of numbers and XML tokens.
class Mutator
{
public:
    using Bytes = std::vector<uint8_t>;

    Mutator (uint64_t seed, std::vector<Bytes> corpus, std::vector<std::string> extraTokens,
             size_t maxLength);

    // One input: a corpus entry (picked at random) with one to eight mutations stacked on it.
    [[nodiscard]] Bytes next();
    void mutate (Bytes& data);

private:
    size_t below (size_t limit);
    size_t position (const Bytes& data) { return below (data.size() + 1); }
    void flipBit (Bytes& data);
    void setByte (Bytes& data);
    void insertBytes (Bytes& data);
    void eraseBytes (Bytes& data);
    void duplicateRange (Bytes& data);
    void splice (Bytes& data);
    void substituteNumber (Bytes& data);
    void substituteToken (Bytes& data);
    void insertToken (Bytes& data);

    std::mt19937_64 random;
    std::vector<Bytes> inputs;
    std::vector<std::string> tokens;
    size_t limit;
};
} // namespace cvl::fuzz
