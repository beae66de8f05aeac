namespace exl
{
MouseEventRepaint::MouseEventRepaint (juce::Component* componentToServe) : component (componentToServe)
{
    if (component != nullptr)
        component->addMouseListener (this, true);
}

MouseEventRepaint::~MouseEventRepaint()
{
    if (component != nullptr)
        component->removeMouseListener (this);
}

void MouseEventRepaint::repaint()
{
    if (component != nullptr)
        component->repaint();
}
} // namespace exl
