namespace exl
{
ParameterToggleButtonListener::ParameterToggleButtonListener (juce::Component& componentToServe,
                                                              juce::RangedAudioParameter* parameter)
    : handler (parameter), component (componentToServe)
{
    component.addMouseListener (this, true);
}

ParameterToggleButtonListener::~ParameterToggleButtonListener() { component.removeMouseListener (this); }

void ParameterToggleButtonListener::mouseUp (const juce::MouseEvent& event)
{
    if (! event.mods.isLeftButtonDown() || ! component.isEnabled())
        return;
    handler.gestureBegin();
    handler.gestureSetValue (handler.gestureGetValue() > 0.5f ? 0.0f : 1.0f);
    handler.gestureEnd();
}
} // namespace exl
