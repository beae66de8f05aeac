#pragma once

#include "../gestures/ParameterHandler.h"
#include "SelectionModelListener.h"

namespace exl
{
// A tree of the choices of a discrete parameter, one "Choice" child per choice, whose selection
// follows the parameter by polling. A parameter that is not discrete gives an empty "Error" tree.
// Message thread.
class ChoiceParameterModel : public juce::Timer
{
public:
    static const juce::Identifier Type;
    static const juce::Identifier ErrorType;
    static const juce::Identifier Name;
    static const juce::Identifier ParameterId;
    static const juce::Identifier ChoiceType;
    static const juce::Identifier ChoiceIndex;
    static const juce::Identifier ChoiceText;
    static constexpr int maximumTextLength = 1000;
    static constexpr int pollIntervalMs = 16;

    explicit ChoiceParameterModel (juce::RangedAudioParameter* parameter);
    ~ChoiceParameterModel() override;

    [[nodiscard]] juce::ValueTree getTree() const { return tree; }
    [[nodiscard]] juce::RangedAudioParameter* getParameter() const noexcept { return parameter; }

    // Requests selection of the choice the parameter is at and remembers it.
    void selectCurrentChoice();
    void timerCallback() override;

    // Sets the parameter, inside a gesture, to the index of every choice that becomes selected.
    class ParameterSync : public SelectionModelListener
    {
    public:
        ParameterSync (juce::ValueTree choices, juce::RangedAudioParameter* parameter);
        void onSelectedTreeChanged (juce::ValueTree selected) override;

    private:
        ParameterHandler handler;
    };

private:
    [[nodiscard]] int currentIndex() const;

    juce::RangedAudioParameter* parameter;
    juce::ValueTree tree;
    int lastIndex = -1;

    JUCE_DECLARE_NON_COPYABLE (ChoiceParameterModel)
};
} // namespace exl
