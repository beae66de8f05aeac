#include "Mutator.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace cvl::fuzz
{
namespace
{
    constexpr int maxStackedMutations = 8;
    constexpr size_t maxInsertedBytes = 16;

    constexpr std::array<uint8_t, 16> interestingBytes{ 0x00, 0x01, 0x7f, 0x80, 0xc0, 0xef, 0xfe, 0xff,
                                                        '<',  '>',  '"',  '/',  '&',  '=',  '\r', '\n' };

    constexpr std::array<const char*, 28> numbers{
        "0",    "1",     "-1",    "0.5",   "2",        "1e38",     "3.4028235e38",
        "1e39", "-1e39", "1e-38", "1e-45", "1e-46",    "nan",      "inf",
        "-inf", "1e308", "1e309", "-0",    "0.999999", "1.000001", "99999999999999999999999999999999",
        ".5",   "5.",    "+1",    "1e",    "e5",       "-",        "0.0000000000000000000000000000001"
    };

    constexpr std::array<const char*, 38> xmlTokens{ "<",
                                                     ">",
                                                     "/>",
                                                     "</",
                                                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                                                     "<?xml version=\"1.0\" encoding=\"UTF-16\"?>",
                                                     "<state>",
                                                     "</state>",
                                                     "<param",
                                                     "<param id=\"Mix\" val=\"1\"/>",
                                                     "id=\"",
                                                     "uid=\"",
                                                     "val=\"",
                                                     "\"",
                                                     "'",
                                                     "=",
                                                     " ",
                                                     "\r\n",
                                                     "\n",
                                                     "<!--",
                                                     "-->",
                                                     "<![CDATA[",
                                                     "]]>",
                                                     "&amp;",
                                                     "&lt;",
                                                     "&#0;",
                                                     "&#x10FFFF;",
                                                     "&#xD800;",
                                                     "&#65;",
                                                     "&#99999999999;",
                                                     "<!DOCTYPE state [<!ENTITY e \"x\">]>",
                                                     "&e;",
                                                     "\xc3\xa9",
                                                     "\xff\xfe",
                                                     "\xef\xbb\xbf",
                                                     "\xed\xa0\x80",
                                                     "state",
                                                     "param" };

    bool isNumberByte (uint8_t c)
    {
        return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e';
    }
} // namespace

Mutator::Mutator (uint64_t seed, std::vector<Bytes> corpus, std::vector<std::string> extraTokens,
                  size_t maxLength)
    : random (seed), inputs (std::move (corpus)), tokens (xmlTokens.begin(), xmlTokens.end()),
      limit (maxLength)
{
    if (inputs.empty())
        inputs.emplace_back();
    tokens.insert (tokens.end(), extraTokens.begin(), extraTokens.end());
}

size_t Mutator::below (size_t bound) { return bound == 0 ? 0 : static_cast<size_t> (random() % bound); }

Mutator::Bytes Mutator::next()
{
    auto data = inputs[below (inputs.size())];
    mutate (data);
    return data;
}

void Mutator::mutate (Bytes& data)
{
    const auto count = 1 + below (maxStackedMutations);
    for (size_t i = 0; i < count; ++i)
    {
        switch (below (9))
        {
            case 0:
                flipBit (data);
                break;
            case 1:
                setByte (data);
                break;
            case 2:
                insertBytes (data);
                break;
            case 3:
                eraseBytes (data);
                break;
            case 4:
                duplicateRange (data);
                break;
            case 5:
                splice (data);
                break;
            case 6:
                substituteNumber (data);
                break;
            case 7:
                substituteToken (data);
                break;
            default:
                insertToken (data);
                break;
        }
    }
    if (data.size() > limit)
        data.resize (limit);
}

void Mutator::flipBit (Bytes& data)
{
    if (! data.empty())
        data[below (data.size())] ^= static_cast<uint8_t> (1u << below (8));
}

void Mutator::setByte (Bytes& data)
{
    if (data.empty())
        return;
    data[below (data.size())] =
        below (2) == 0 ? interestingBytes[below (interestingBytes.size())] : static_cast<uint8_t> (random());
}

void Mutator::insertBytes (Bytes& data)
{
    const auto at = data.begin() + static_cast<std::ptrdiff_t> (position (data));
    const auto count = 1 + below (maxInsertedBytes);
    Bytes inserted (count);
    for (auto& byte : inserted)
        byte = static_cast<uint8_t> (random());
    data.insert (at, inserted.begin(), inserted.end());
}

void Mutator::eraseBytes (Bytes& data)
{
    if (data.empty())
        return;
    const auto from = below (data.size());
    // Mostly a few bytes, now and then a large part of the input.
    const auto count =
        1 + below (below (4) == 0 ? data.size() - from : std::min<size_t> (16, data.size() - from));
    data.erase (data.begin() + static_cast<std::ptrdiff_t> (from),
                data.begin() + static_cast<std::ptrdiff_t> (std::min (data.size(), from + count)));
}

void Mutator::duplicateRange (Bytes& data)
{
    if (data.empty())
        return;
    const auto from = below (data.size());
    const auto count = 1 + below (std::min<size_t> (256, data.size() - from));
    const Bytes copy (data.begin() + static_cast<std::ptrdiff_t> (from),
                      data.begin() + static_cast<std::ptrdiff_t> (from + count));
    const auto repeats = below (4) == 0 ? 1 + below (64) : 1;
    for (size_t r = 0; r < repeats && data.size() < limit; ++r)
        data.insert (data.begin() + static_cast<std::ptrdiff_t> (position (data)), copy.begin(), copy.end());
}

void Mutator::splice (Bytes& data)
{
    const auto& other = inputs[below (inputs.size())];
    if (other.empty())
        return;
    const auto from = below (other.size());
    const auto count = 1 + below (other.size() - from);
    const auto chunk = other.begin() + static_cast<std::ptrdiff_t> (from);
    if (below (2) == 0)
    {
        // Cross over: this input's head with the other one's tail.
        data.resize (position (data));
        data.insert (data.end(), chunk, other.end());
    }
    else
        data.insert (data.begin() + static_cast<std::ptrdiff_t> (position (data)), chunk,
                     chunk + static_cast<std::ptrdiff_t> (count));
}

void Mutator::substituteNumber (Bytes& data)
{
    // The first number at or after a random place, replaced as a whole.
    auto start = position (data);
    while (start < data.size() && ! (data[start] >= '0' && data[start] <= '9'))
        ++start;
    if (start >= data.size())
        return;
    while (start > 0 && isNumberByte (data[start - 1]))
        --start;
    auto end = start;
    while (end < data.size() && isNumberByte (data[end]))
        ++end;
    const std::string number =
        below (4) == 0 ? std::to_string (static_cast<int64_t> (random())) : numbers[below (numbers.size())];
    data.erase (data.begin() + static_cast<std::ptrdiff_t> (start),
                data.begin() + static_cast<std::ptrdiff_t> (end));
    data.insert (data.begin() + static_cast<std::ptrdiff_t> (start), number.begin(), number.end());
}

void Mutator::substituteToken (Bytes& data)
{
    const auto& wanted = tokens[below (tokens.size())];
    const auto from = data.begin() + static_cast<std::ptrdiff_t> (position (data));
    const auto found = std::search (from, data.end(), wanted.begin(), wanted.end());
    if (found == data.end())
    {
        insertToken (data);
        return;
    }
    const auto& replacement = tokens[below (tokens.size())];
    const auto at = found - data.begin();
    data.erase (found, found + static_cast<std::ptrdiff_t> (wanted.size()));
    data.insert (data.begin() + at, replacement.begin(), replacement.end());
}

void Mutator::insertToken (Bytes& data)
{
    const auto& token = tokens[below (tokens.size())];
    data.insert (data.begin() + static_cast<std::ptrdiff_t> (position (data)), token.begin(), token.end());
}
} // namespace cvl::fuzz
