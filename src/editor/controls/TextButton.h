#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace cvl
{
// A plain button with the drop-down look: its text centred above an open bracket, in the text colour.
// The owner sets the text and handles its clicks. Message thread.
class TextButton : public juce::Button
{
public:
    TextButton();

protected:
    void paintButton (juce::Graphics& g, bool highlighted, bool down) override;

private:
    JUCE_DECLARE_NON_COPYABLE (TextButton)
};
} // namespace cvl
