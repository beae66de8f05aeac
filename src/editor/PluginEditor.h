#pragma once

#include "CorvaneEditor.h"
#include "IComponentData.h"
#include "models/ModulationsModel.h"
#include "models/MonoModulatorsModel.h"
#include "models/PolyModulatorsModel.h"
#include "models/PropertiesModel.h"
#include "models/UiModel.h"

#include <exl_gui/exl_gui.h>

class CorvaneAudioProcessor;

// The editor window: a thin shell that owns the editor's models, hands them to every component as
// cvl::IComponentData, hosts every popup, holds the main editor as its only child and sizes and zooms
// the window from the UI model. While it exists the processor publishes its modulator values.
// Message thread only.
class CorvaneAudioProcessorEditor final : public juce::AudioProcessorEditor,
                                          public exl::PopupHost,
                                          public cvl::IComponentData,
                                          public cvl::IVectorSpaceAccess
{
public:
    static constexpr int pollIntervalMs = 16;

    explicit CorvaneAudioProcessorEditor (CorvaneAudioProcessor& processor);
    ~CorvaneAudioProcessorEditor() override;

    void resized() override;
    // The host's scale; the window is zoomed by host scale times the user's "Scale".
    void setScaleFactor (float newScale) override;

    juce::ValueTree getParameterModel() override;
    juce::ValueTree getMonoModulatorsModel() override;
    juce::ValueTree getPresetModel() override;
    juce::ValueTree getUiModel() override;
    juce::ValueTree getModulationsModel() override;
    std::vector<juce::Identifier> getParameterIds() override;
    juce::RangedAudioParameter* getParameter (const juce::Identifier& identifier) override;
    cvl::IVectorSpaceAccess& getVectorSpaceAccess() override { return *this; }

    View readInitial (cvl::PolyModulatorId id) const override;
    View readTransformed (cvl::PolyModulatorId id) const override;

    [[nodiscard]] cvl::CorvaneEditor& getMainComponent() noexcept { return *mainComponent; }
    [[nodiscard]] float getAppliedScale() const noexcept { return hostScale * userScale; }

    // The zoom when none is stored: the largest step whose window fits 90 % of the main display's
    // user area (0.5 at least), 1.0 without a display.
    [[nodiscard]] static double defaultZoom();
    [[nodiscard]] static double defaultZoomFor (double userAreaHeight);

private:
    void fillParameterValuesModel();
    void updateSize();
    void applyScale();

    CorvaneAudioProcessor& corvaneProcessor;
    // The shell's own colour table, so that two open editors keep their own themes.
    juce::LookAndFeel_V4 lookAndFeel;
    exl::ParameterValuesModel parameterValuesModel;
    cvl::MonoModulatorsModel monoModulatorsModel;
    cvl::PolyModulatorsModel polyModulatorsModel;
    std::unique_ptr<cvl::UiModel> uiModel;
    cvl::ModulationsModel modulationsModel;
    std::unique_ptr<cvl::PropertiesModel> propertiesModel;
    std::unique_ptr<cvl::CorvaneEditor> mainComponent;
    std::unique_ptr<exl::ValueTreeCallbacks> uiCallbacks;
    bool lfoEditorExpanded = true;
    bool transformEditorExpanded = true;
    float hostScale = 1.0f;
    float userScale = 1.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CorvaneAudioProcessorEditor)
};
