namespace vdm
{
bool TreeViewSelectorKeyListener::keyPressed (const juce::KeyPress& key, juce::Component*)
{
    const auto code = key.getKeyCode();
    if (code == juce::KeyPress::leftKey)
        selector.keyLeft();
    else if (code == juce::KeyPress::upKey)
        selector.keyUp();
    else if (code == juce::KeyPress::rightKey)
        selector.keyRight();
    else if (code == juce::KeyPress::downKey)
        selector.keyDown();
    else
        return false;

    if (! allowRootSelection && ! selector.getCurrent().getParent().isValid())
        selector.keyDown();
    return true;
}
} // namespace vdm
