#pragma once

#include "editor/IComponentData.h"
#include "editor/Icon.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
// One button of a row of choices: a left click sets the parameter to the button's value; it shows
// whether the parameter is at that value. Message thread.
class ParameterSetterButton : public juce::Component
{
public:
    ParameterSetterButton (IComponentData& data, const juce::Identifier& identifier, int value,
                           const char* svg);
    ~ParameterSetterButton() override;

    void paint (juce::Graphics& g) override;
    [[nodiscard]] bool isSelected() const noexcept { return selected; }

private:
    exl::ChoiceSetListener setListener;
    exl::MouseEventRepaint repainter{ this };
    exl::ValueTreeCallbacks callbacks;
    juce::NormalisableRange<float> range;
    int value;
    bool selected = false;
    Icon icon;

    JUCE_DECLARE_NON_COPYABLE (ParameterSetterButton)
};
} // namespace cvl
