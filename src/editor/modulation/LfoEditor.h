#pragma once

#include "editor/DropDownButton.h"
#include "editor/controls/EmphasisArea.h"
#include "editor/controls/ModulatedParameterSlider.h"
#include "editor/controls/ToggleButton.h"
#include "editor/controls/Tooltips.h"
#include "models/ModulationsModel.h"
#include "modulation/LfoModulatorController.h"

#include <deque>

namespace cvl
{
// One LFO in a row: enable switch, shape and sync type, frequency and output-scale knobs and a
// scrolling trace of its output. The row is the on-screen source of the LFO's modulations.
// Not a component: addTo puts its controls into the owner. Message thread.
class LfoEditor
{
public:
    // The LFO's recent output, newest at the right edge, as a filled shape.
    class Wave : public juce::Component, private juce::ValueTree::Listener
    {
    public:
        Wave (juce::ValueTree monoModel, std::size_t modulatorIndex);
        ~Wave() override;

        void paint (juce::Graphics& g) override;
        void push (float value);
        [[nodiscard]] const std::deque<float>& getHistory() const noexcept { return history; }

    private:
        void valueTreePropertyChanged (juce::ValueTree& tree, const juce::Identifier& property) override;

        juce::ValueTree mono;
        juce::Identifier property;
        std::deque<float> history;

        JUCE_DECLARE_NON_COPYABLE (Wave)
    };

    LfoEditor (IComponentData& data, const LfoModulatorController::ParameterIds& ids);
    ~LfoEditor();

    void addTo (juce::Component* parent);
    void setBounds (juce::Rectangle<int> area);

    [[nodiscard]] ModulatedParameterSlider& getFrequency() noexcept { return frequency; }
    [[nodiscard]] ModulatedParameterSlider& getScale() noexcept { return scale; }
    [[nodiscard]] Wave& getWave() noexcept { return wave; }
    [[nodiscard]] EmphasisArea& getEmphasisArea() noexcept { return emphasisArea; }
    [[nodiscard]] Tooltips& getTooltips() noexcept { return tooltips; }
    [[nodiscard]] ToggleButton& getEnableButton() noexcept { return enableButton; }
    [[nodiscard]] DropDownButton& getShapeButton() noexcept { return shapeButton; }
    [[nodiscard]] DropDownButton& getSyncTypeButton() noexcept { return syncTypeButton; }

private:
    int index;
    MonoModulatorId modulator;
    EmphasisArea emphasisArea;
    ToggleButton enableButton;
    DropDownButton shapeButton;
    DropDownButton syncTypeButton;
    ModulatedParameterSlider frequency;
    ModulatedParameterSlider scale;
    Wave wave;
    ModulationsModel::State state;
    ModulationsModel::MouseListener modulationsListener;
    Tooltips tooltips;
    exl::ValueTreeCallbacks callbacks;

    JUCE_DECLARE_NON_COPYABLE (LfoEditor)
};
} // namespace cvl
