#pragma once

#include <juce_core/juce_core.h>

#include <boost/describe/enum.hpp>
#include <boost/describe/enumerators.hpp>
#include <boost/mp11/algorithm.hpp>

#include <array>
#include <string_view>
#include <utility>

namespace cvl::ParameterHelpers
{
template <typename Enum>
inline constexpr std::size_t enumCount =
    boost::mp11::mp_size<boost::describe::describe_enumerators<Enum>>::value;

// (enumerator, name) pairs in enumerator order, from the enumeration's description.
template <typename Enum>
using IdNameArray = std::array<std::pair<Enum, std::string_view>, enumCount<Enum>>;

template <typename Enum>
constexpr IdNameArray<Enum> makeIdNameArray()
{
    IdNameArray<Enum> names{};
    std::size_t index = 0;
    boost::mp11::mp_for_each<boost::describe::describe_enumerators<Enum>> (
        [&] (auto descriptor) {
            names[index++] = { descriptor.value, std::string_view (descriptor.name) };
        });
    return names;
}

template <typename Enum>
inline constexpr IdNameArray<Enum> idNames = makeIdNameArray<Enum>();

// "SampleAndHold" becomes " Sample And Hold": a space before every upper-case letter, none trimmed.
inline juce::String spacedEnumeratorName (std::string_view name)
{
    juce::String text;
    for (const auto character : name)
    {
        if (character >= 'A' && character <= 'Z')
            text << ' ';
        text << juce::String::charToString (static_cast<juce::juce_wchar> (character));
    }
    return text;
}

// The choice texts of an enumeration, index 0 first.
template <typename Enum>
juce::StringArray enumToStringArray()
{
    juce::StringArray texts;
    for (const auto& [value, name] : idNames<Enum>)
        texts.add (spacedEnumeratorName (name));
    return texts;
}

// The name of an enumerator, or of the first one when the value is outside the enumeration.
template <typename Enum>
constexpr std::string_view enumName (Enum value)
{
    for (const auto& [candidate, name] : idNames<Enum>)
        if (candidate == value)
            return name;
    return idNames<Enum>[0].second;
}

// An index outside the enumeration falls back to its first enumerator.
template <typename Enum>
constexpr Enum enumFromIndex (int index)
{
    if (index < 0 || static_cast<std::size_t> (index) >= enumCount<Enum>)
        return idNames<Enum>[0].first;
    return idNames<Enum>[static_cast<std::size_t> (index)].first;
}
} // namespace cvl::ParameterHelpers
