namespace exl
{
ChoiceSetListener::ChoiceSetListener (juce::Component* componentToServe,
                                      juce::RangedAudioParameter* parameter, int valueToSet)
    : MouseClickListener (componentToServe), handler (parameter), value (valueToSet)
{
    onClick = [this] (const juce::ModifierKeys& mods)
    {
        if (! mods.isLeftButtonDown())
            return;
        handler.gestureBegin();
        handler.gestureSetRangedValue (static_cast<float> (value));
        handler.gestureEnd();
    };
}
} // namespace exl
