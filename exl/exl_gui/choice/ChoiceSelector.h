#pragma once

#include "../gestures/MouseClickListener.h"
#include "../gestures/ValueTreeCallbacks.h"
#include "ChoiceParameterModel.h"
#include "IChoiceSelectorPaint.h"
#include "SelectionModel.h"

namespace exl
{
// A column of option buttons, one per child of a choice tree; a left click requests the child's
// selection. Built from a parameter it owns the choice model that keeps tree and parameter in step;
// built from a tree, selection goes through that tree's own selection model. Message thread.
class ChoiceSelector : public juce::Component, public IChoiceSelectorPaint
{
public:
    explicit ChoiceSelector (juce::RangedAudioParameter* parameter);
    ~ChoiceSelector() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    void paintBackground (juce::Graphics& g, juce::Rectangle<float> bounds) override;
    void paintSelectorButton (juce::Graphics& g, juce::Rectangle<float> bounds, const juce::String& text,
                              bool hovered, bool selected) override;

    void setGap (int newGap) { gap = newGap; }
    void setMargin (int newMargin) { margin = newMargin; }
    [[nodiscard]] int getNumButtons() const noexcept { return static_cast<int> (buttons.size()); }
    [[nodiscard]] juce::Component* getButton (int index) const;
    // The parameter mode's choice tree; invalid in the tree mode.
    [[nodiscard]] juce::ValueTree getChoiceTree() const;

    class OptionSelectionButton : public juce::Component
    {
    public:
        OptionSelectionButton (juce::ValueTree choice, IChoiceSelectorPaint& painter);
        void paint (juce::Graphics& g) override;
        [[nodiscard]] bool isSelected() const noexcept { return selected; }

    private:
        juce::ValueTree choice;
        IChoiceSelectorPaint& painter;
        ValueTreeCallbacks callbacks;
        MouseClickListener clickListener;
        bool selected = false;

        JUCE_DECLARE_NON_COPYABLE (OptionSelectionButton)
    };

protected:
    // The tree mode: no model; the owner calls buildButtonComponents.
    ChoiceSelector();
    void buildButtonComponents (juce::ValueTree choices);

private:
    struct Model
    {
        explicit Model (juce::RangedAudioParameter* parameter);

        ChoiceParameterModel choices;
        SelectionModel selection;
        std::unique_ptr<ChoiceParameterModel::ParameterSync> sync;
    };

    std::unique_ptr<Model> model;
    std::vector<std::unique_ptr<OptionSelectionButton>> buttons;
    int gap = 0;
    int margin = 0;

    JUCE_DECLARE_NON_COPYABLE (ChoiceSelector)
};
} // namespace exl
