namespace exl
{
void ChoiceParameterGesture::affectChoice (int steps, bool)
{
    const auto range = gesture.gestureGetRange();
    auto value = gesture.gestureGetRangedValue() + static_cast<float> (steps);
    // The range's own snapping function if it has one, otherwise the nearest interval step; then clamped.
    value = range.snapToLegalValue (value);
    gesture.gestureSetRangedValue (static_cast<float> (static_cast<int> (value)));
}
} // namespace exl
