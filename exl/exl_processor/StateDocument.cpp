#include <sstream>

namespace exl
{
const juce::Identifier StateDocument::RootTag{ "state" };
const juce::Identifier StateDocument::ParamTag{ "param" };
const juce::Identifier StateDocument::IdAttribute{ "id" };
const juce::Identifier StateDocument::UidAttribute{ "uid" };
const juce::Identifier StateDocument::ValueAttribute{ "val" };

juce::String StateDocument::formatValue (float value)
{
    std::ostringstream stream;
    stream << static_cast<double> (value);
    return juce::String (stream.str());
}

juce::String StateDocument::write (const ParameterRegistry& registry)
{
    juce::XmlElement root (RootTag);
    for (auto* parameter : registry.getOrderedParameters())
    {
        auto* element = root.createNewChildElement (ParamTag.toString());
        element->setAttribute (IdAttribute, parameter->getIdentifier().toString());
        element->setAttribute (ValueAttribute, formatValue (parameter->getValue()));
    }
    return root.toString();
}

void StateDocument::read (const juce::String& text, const ParameterRegistry& registry)
{
    const auto root = juce::XmlDocument (text).getDocumentElement();
    if (root == nullptr)
        return;

    for (const auto* element : root->getChildIterator())
    {
        if (! element->hasTagName (ParamTag.toString()))
            continue;

        const auto identifier = element->hasAttribute (UidAttribute.toString())
                                    ? element->getStringAttribute (UidAttribute)
                                    : element->getStringAttribute (IdAttribute);
        if (identifier.isEmpty())
            continue;

        auto* parameter = registry.find (juce::Identifier (identifier));
        if (parameter == nullptr)
            continue;

        const auto value = static_cast<float> (element->getDoubleAttribute (ValueAttribute));
        // "nan", "inf" or an overflowing number would poison the engine; such a value is ignored.
        if (! std::isfinite (value))
            continue;

        parameter->setValue (value);
        parameter->sendValueChangedMessageToListeners (value);
    }
}

juce::String StateDocument::textFromBytes (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes == 0 || *static_cast<const char*> (data) == 0)
        return {};
    if (sizeInBytes < 0)
        return juce::String::fromUTF8 (static_cast<const char*> (data));
    return juce::String::fromUTF8 (static_cast<const char*> (data), sizeInBytes);
}
} // namespace exl
