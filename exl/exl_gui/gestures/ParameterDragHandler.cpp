namespace exl
{
ParameterDragHandler::ParameterDragHandler (IParameterGesture& gestureToHold) : gesture (gestureToHold)
{
    gesture.gestureBegin();
}

ParameterDragHandler::~ParameterDragHandler() { gesture.gestureEnd(); }
} // namespace exl
