namespace exl
{
void ParameterHandler::gestureBegin()
{
    if (depth == 0 && parameter != nullptr)
        parameter->beginChangeGesture();
    ++depth;
}

void ParameterHandler::gestureEnd()
{
    if (depth <= 0)
        return;
    --depth;
    if (depth == 0 && parameter != nullptr)
        parameter->endChangeGesture();
}

juce::NormalisableRange<float> ParameterHandler::gestureGetRange() const
{
    if (parameter == nullptr)
        return { 0.0f, 1.0f };
    return parameter->getNormalisableRange();
}

void ParameterHandler::gestureSetValue (float normalisedValue)
{
    if (parameter != nullptr)
        parameter->setValueNotifyingHost (normalisedValue);
}

void ParameterHandler::gestureSetRangedValue (float value)
{
    if (parameter == nullptr)
        return;
    gestureSetValue (parameter->getNormalisableRange().convertTo0to1 (value));
}

float ParameterHandler::gestureGetValue() const
{
    return parameter != nullptr ? parameter->getValue() : 0.0f;
}

float ParameterHandler::gestureGetRangedValue() const
{
    if (parameter == nullptr)
        return 0.0f;
    return parameter->getNormalisableRange().convertFrom0to1 (parameter->getValue());
}

void ParameterHandler::gestureSetDefault()
{
    if (parameter != nullptr)
        gestureSetValue (parameter->getDefaultValue());
}
} // namespace exl
