#include "PluginEditor.h"

#include "Colours.h"
#include "EditorLayout.h"
#include "models/ParameterModel.h"
#include "models/Properties.h"
#include "processor/EditorFactory.h"
#include "processor/PluginProcessor.h"

namespace
{
constexpr double displayShare = 0.9;
constexpr double fullHeight = 920.0;

juce::String storedSetting (const juce::Identifier& key)
{
    cvl::Properties properties;
    return properties.getUserSettings().getValue (key.toString());
}
} // namespace

CorvaneAudioProcessorEditor::CorvaneAudioProcessorEditor (CorvaneAudioProcessor& processorToEdit)
    : juce::AudioProcessorEditor (processorToEdit), exl::PopupHost (static_cast<juce::Component&> (*this)),
      corvaneProcessor (processorToEdit), monoModulatorsModel (processorToEdit),
      polyModulatorsModel (processorToEdit)
{
    setLookAndFeel (&lookAndFeel);
    parameterValuesModel.startTimer (pollIntervalMs);
    monoModulatorsModel.startTimer (pollIntervalMs);
    polyModulatorsModel.startTimer (pollIntervalMs);

    const auto storedScale = storedSetting (cvl::UiModel::Scale);
    const auto scale = storedScale.isNotEmpty() ? storedScale.getDoubleValue() : defaultZoom();
    uiModel = std::make_unique<cvl::UiModel> (scale, storedSetting (cvl::UiModel::ThemeColour));
    auto ui = uiModel->getTree();
    propertiesModel = std::make_unique<cvl::PropertiesModel> (ui);

    ++corvaneProcessor.getOpenEditorCount();
    ui.setProperty (cvl::UiModel::WrapperType, static_cast<int> (corvaneProcessor.wrapperType), nullptr);
    ui.setProperty (
        cvl::UiModel::WrapperTypeDesc,
        juce::String (juce::AudioProcessor::getWrapperTypeDescription (corvaneProcessor.wrapperType)),
        nullptr);

    cvl::Colours::set (lookAndFeel, cvl::Colours::Type::Terminal,
                       juce::Colour (cvl::Colours::DefaultFrontPlate));
    fillParameterValuesModel();

    mainComponent = std::make_unique<cvl::CorvaneEditor> (*this);
    addAndMakeVisible (*mainComponent);

    uiCallbacks = std::make_unique<exl::ValueTreeCallbacks> (ui);
    uiCallbacks->addCallback (
        cvl::UiModel::TransformEditorExpanded,
        [this] (juce::var value)
        {
            transformEditorExpanded = static_cast<bool> (value);
            updateSize();
        },
        true);
    uiCallbacks->addCallback (
        cvl::UiModel::LfoEditorExpanded,
        [this] (juce::var value)
        {
            lfoEditorExpanded = static_cast<bool> (value);
            updateSize();
        },
        true);
    uiCallbacks->addCallback (
        cvl::UiModel::Scale,
        [this] (juce::var value)
        {
            userScale = static_cast<float> (static_cast<double> (value));
            applyScale();
        },
        true);

    for (const auto* property : { &cvl::UiModel::LfoEditorExpanded, &cvl::UiModel::TransformEditorExpanded,
                                  &cvl::UiModel::Scale, &cvl::UiModel::ThemeColour })
        propertiesModel->addSyncedProperty (*property);
}

CorvaneAudioProcessorEditor::~CorvaneAudioProcessorEditor()
{
    --corvaneProcessor.getOpenEditorCount();
    // Popup contents see the models and the look-and-feel; they go before them.
    closeAllPopups();
    uiCallbacks.reset();
    mainComponent.reset();
    setLookAndFeel (nullptr);
}

void CorvaneAudioProcessorEditor::fillParameterValuesModel()
{
    auto tree = parameterValuesModel.getTree();
    for (const auto& identifier : getParameterIds())
    {
        parameterValuesModel.watch (identifier, getParameter (identifier));
        cvl::ParameterModel::addParameterNode (tree, identifier);
    }
}

void CorvaneAudioProcessorEditor::updateSize()
{
    setBounds (getX(), getY(), cvl::EditorLayout::width,
               cvl::EditorLayout::heightFor (lfoEditorExpanded, transformEditorExpanded));
}

void CorvaneAudioProcessorEditor::applyScale()
{
    juce::AudioProcessorEditor::setScaleFactor (hostScale * userScale);
}

void CorvaneAudioProcessorEditor::setScaleFactor (float newScale)
{
    hostScale = newScale;
    applyScale();
}

void CorvaneAudioProcessorEditor::resized()
{
    if (mainComponent != nullptr)
        mainComponent->setBounds (getLocalBounds());
    layoutPopups();
}

double CorvaneAudioProcessorEditor::defaultZoomFor (double userAreaHeight)
{
    const auto fit = userAreaHeight * displayShare / fullHeight;
    const auto& choices = cvl::UiModel::ScaleChoices;
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].value > fit)
            return i == 0 ? choices[0].value : choices[i - 1].value;
    return choices.back().value;
}

double CorvaneAudioProcessorEditor::defaultZoom()
{
    if (const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        return defaultZoomFor (static_cast<double> (display->userArea.getHeight()));
    return 1.0;
}

juce::ValueTree CorvaneAudioProcessorEditor::getParameterModel() { return parameterValuesModel.getTree(); }
juce::ValueTree CorvaneAudioProcessorEditor::getMonoModulatorsModel()
{
    return monoModulatorsModel.getTree();
}
// The preset tree joins here once the processor offers its preset model.
juce::ValueTree CorvaneAudioProcessorEditor::getPresetModel() { return corvaneProcessor.getPresetModel(); }
juce::ValueTree CorvaneAudioProcessorEditor::getUiModel() { return uiModel->getTree(); }
juce::ValueTree CorvaneAudioProcessorEditor::getModulationsModel() { return modulationsModel.getTree(); }

std::vector<juce::Identifier> CorvaneAudioProcessorEditor::getParameterIds()
{
    auto identifiers = corvaneProcessor.getParameterIdList();
    std::sort (identifiers.begin(), identifiers.end(),
               [] (const auto& a, const auto& b) { return a.toString() < b.toString(); });
    return identifiers;
}

juce::RangedAudioParameter* CorvaneAudioProcessorEditor::getParameter (const juce::Identifier& identifier)
{
    return corvaneProcessor.findParameter (identifier);
}

cvl::IVectorSpaceAccess::View CorvaneAudioProcessorEditor::readInitial (cvl::PolyModulatorId id) const
{
    return polyModulatorsModel.readInitial (id);
}

cvl::IVectorSpaceAccess::View CorvaneAudioProcessorEditor::readTransformed (cvl::PolyModulatorId id) const
{
    return polyModulatorsModel.readTransformed (id);
}

namespace cvl
{
juce::AudioProcessorEditor* createEditor (CorvaneAudioProcessor& processor)
{
    return new CorvaneAudioProcessorEditor (processor);
}
} // namespace cvl
