#include <cstring>

namespace exl
{
bool IdentifierCodePointLess::operator() (const juce::Identifier& a, const juce::Identifier& b) const noexcept
{
    return std::strcmp (a.getCharPointer().getAddress(), b.getCharPointer().getAddress()) < 0;
}

void ParameterRegistry::add (Parameter& parameter)
{
    parameters[parameter.getIdentifier()] = &parameter;
    ordered.clear();
    ordered.reserve (parameters.size());
    for (const auto& entry : parameters)
        ordered.push_back (entry.second);
}

Parameter* ParameterRegistry::find (const juce::Identifier& identifier) const
{
    const auto found = parameters.find (identifier);
    return found == parameters.end() ? nullptr : found->second;
}

std::vector<juce::Identifier> ParameterRegistry::getIdentifiers() const
{
    std::vector<juce::Identifier> identifiers;
    identifiers.reserve (parameters.size());
    for (const auto& entry : parameters)
        identifiers.push_back (entry.first);
    return identifiers;
}
} // namespace exl
