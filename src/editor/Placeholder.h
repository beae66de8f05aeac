#pragma once

#include <exl_gui/exl_gui.h>

namespace cvl
{
// Stands in, at its final size, for a control that is not built yet: a faint frame with its name.
// A click runs onClick, so a stand-in toggle can already work. Message thread.
class Placeholder : public juce::Component
{
public:
    explicit Placeholder (const juce::String& name);

    void paint (juce::Graphics& g) override;

    std::function<void()> onClick;
    // Fills its bounds with its Background colour first, as a section with its own plate does.
    bool fillsBackground = false;

private:
    exl::MouseClickListener clickListener{ this };

    JUCE_DECLARE_NON_COPYABLE (Placeholder)
};
} // namespace cvl
