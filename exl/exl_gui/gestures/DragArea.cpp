namespace exl
{
DragArea::DragArea (juce::Component& componentToServe) : component (componentToServe)
{
    component.addMouseListener (this, true);
}

DragArea::~DragArea() { component.removeMouseListener (this); }

std::unique_ptr<IDragHandler> DragArea::createDragHandler (const juce::MouseEvent&) { return {}; }

void DragArea::mouseDown (const juce::MouseEvent& event)
{
    if (! isEnabled())
        return;
    lastPosition = event.position;
    // The old handler goes first, so that its gesture ends before the new one begins.
    handler.reset();
    handler = createDragHandler (event);
}

void DragArea::mouseDrag (const juce::MouseEvent& event)
{
    if (! isEnabled() || handler == nullptr)
        return;
    handler->dragEvent (event, event.position - lastPosition);
    lastPosition = event.position;
}

void DragArea::mouseUp (const juce::MouseEvent&)
{
    if (! isEnabled())
        return;
    handler.reset();
    lastPosition = {};
}
} // namespace exl
