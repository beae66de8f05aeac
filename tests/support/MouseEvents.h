#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace cvl::test
{
// A mouse event as the framework would deliver it to a listener of `component`, at a position in
// that component's coordinates, with the given buttons and keys held. No window is needed.
inline juce::MouseEvent mouseEvent (juce::Component& component, juce::Point<float> position,
                                    juce::ModifierKeys mods = juce::ModifierKeys::leftButtonModifier)
{
    const auto now = juce::Time::getCurrentTime();
    return { juce::Desktop::getInstance().getMainMouseSource(),
             position,
             mods,
             juce::MouseInputSource::defaultPressure,
             juce::MouseInputSource::defaultOrientation,
             juce::MouseInputSource::defaultRotation,
             juce::MouseInputSource::defaultTiltX,
             juce::MouseInputSource::defaultTiltY,
             &component,
             &component,
             now,
             position,
             now,
             1,
             false };
}

inline juce::MouseWheelDetails wheelDetails (float deltaY)
{
    juce::MouseWheelDetails details{};
    details.deltaY = deltaY;
    return details;
}
} // namespace cvl::test
