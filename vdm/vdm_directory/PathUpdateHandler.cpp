namespace vdm
{
const juce::Identifier PathUpdateHandler::Key{ "path" };

void PathUpdateHandler::onAdd (juce::ValueTree node, juce::File file)
{
    node.setProperty (Key, file.getFullPathName(), nullptr);
}
} // namespace vdm
