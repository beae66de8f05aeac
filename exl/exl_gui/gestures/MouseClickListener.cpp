namespace exl
{
MouseClickListener::MouseClickListener (juce::Component* componentToServe) : component (componentToServe)
{
    if (component != nullptr)
        component->addMouseListener (this, true);
}

MouseClickListener::~MouseClickListener()
{
    if (component != nullptr)
        component->removeMouseListener (this);
}

void MouseClickListener::mouseUp (const juce::MouseEvent& event)
{
    if (component == nullptr || ! component->isEnabled() || ! onClick)
        return;
    if (! component->getLocalBounds().contains (event.getEventRelativeTo (component).getPosition()))
        return;
    onClick (event.mods);
}
} // namespace exl
