namespace exl
{
MouseHoverListener::MouseHoverListener (juce::Component* componentToServe) : component (componentToServe)
{
    if (component != nullptr)
        component->addMouseListener (this, true);
}

MouseHoverListener::~MouseHoverListener()
{
    if (component != nullptr)
        component->removeMouseListener (this);
}

void MouseHoverListener::mouseEnter (const juce::MouseEvent&)
{
    if (component != nullptr && component->isEnabled() && onHover)
        onHover (true);
}

void MouseHoverListener::mouseExit (const juce::MouseEvent&)
{
    if (component != nullptr && component->isEnabled() && onHover)
        onHover (false);
}
} // namespace exl
