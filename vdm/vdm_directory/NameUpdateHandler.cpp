namespace vdm
{
const juce::Identifier NameUpdateHandler::Key{ "name" };

void NameUpdateHandler::onAdd (juce::ValueTree node, juce::File file)
{
    node.setProperty (Key, file.getFileNameWithoutExtension(), nullptr);
}
} // namespace vdm
