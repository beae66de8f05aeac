#include "CorvaneEditor.h"

#include "AboutPopup.h"
#include "Colours.h"
#include "EditorResources.h"
#include "models/UiModel.h"
#include "modulation/MacroModulator.h"
#include "processor/CorvaneProcessor.h"
#include "processor/PluginProcessor.h"

namespace cvl
{
namespace
{
    constexpr int aboutPopupInset = 100;
    constexpr float backgroundFade = 0.7142857f;
    constexpr float noiseOpacity = 0.05f;
    constexpr float maximumNoise = 0.9999999f;
    constexpr int shadowHeight = 30;
    constexpr juce::uint8 shadowAlpha = 0x40;

    bool isTrue (const juce::var& value) { return static_cast<bool> (value); }

    juce::Colour faded (juce::Colour colour, float factor)
    {
        const auto channel = [factor] (juce::uint8 v)
        { return static_cast<juce::uint8> (static_cast<float> (v) * factor); };
        return juce::Colour (channel (colour.getRed()), channel (colour.getGreen()),
                             channel (colour.getBlue()), colour.getAlpha());
    }

} // namespace

CorvaneEditor::Macro::Macro (IComponentData& data, int number)
    : slider (data, MacroModulator::CreateId (number),
              static_cast<MonoModulatorId> (MonoModulators::index (MonoModulatorId::Macro1) +
                                            static_cast<std::size_t> (number - 1))),
      label (data, MacroModulator::CreateId (number))
{
    slider.setName ("Macro " + juce::String (number));
}

CorvaneEditor::MixSlider::MixSlider (IComponentData& data)
    : slider (data, CorvaneProcessor::Mix), label (data, CorvaneProcessor::Mix)
{
    slider.setName ("Mix");
}

CorvaneEditor::CorvaneEditor (IComponentData& componentData)
    : data (componentData), logo (EditorResources::corvaneLogo()), voiceCount (componentData),
      voiceCountLabel (componentData, CorvaneAudioProcessor::VoiceCountParameter),
      bypass (componentData, CorvaneAudioProcessor::BypassParameter), mix (componentData),
      lfoToggle (componentData.getUiModel(), UiModel::LfoEditorExpanded, "Monophonic Modulators"),
      transformToggle (componentData.getUiModel(), UiModel::TransformEditorExpanded, "Transforms"),
      tooltips (componentData.getUiModel()), tooltipLine (componentData),
      uiCallbacks (componentData.getUiModel()), effectSection (componentData)
{
    voiceCount.setName ("Voice Count");
    bypass.setName ("Bypass");
    for (std::size_t i = 0; i < macros.size(); ++i)
        macros[i] = std::make_unique<Macro> (data, static_cast<int> (i) + 1);
    for (std::size_t i = 0; i < lfos.size(); ++i)
        lfos[i] = std::make_unique<LfoEditor> (
            data, LfoModulatorController::ParameterIds (static_cast<int> (i) + 1));
    for (std::size_t i = 0; i < vectorSpaceEditors.size(); ++i)
    {
        vectorSpaceEditors[i] = std::make_unique<VectorSpaceEditor> (data, static_cast<int> (i) + 1);
        visualizerPairs[i] = std::make_unique<VectorSpaceVisualizerPair> (data, static_cast<int> (i) + 1);
    }
    effectSection.setName ("Effect Section");
    for (int slot = 0; slot < ProcessorEditor::slotCount; ++slot)
        effectSection.getTooltips().set (effectSection.getSection (slot).typeButton,
                                         "Effect Slot " + juce::String (slot + 1) + " Type");

    installTypeface();

    logoClick.onClick = [this] (const juce::ModifierKeys& mods)
    {
        if (mods.isLeftButtonDown())
            openAboutPopup();
    };
    for (auto* child :
         std::initializer_list<juce::Component*>{ &logo, &voiceCountLabel, &voiceCount, &bypass, &lfoToggle,
                                                  &transformToggle, &tooltipLine.getLabel(), &effectSection })
        addAndMakeVisible (child);
    presetSelector.addButtonsTo (*this);
    for (auto& macro : macros)
    {
        addAndMakeVisible (macro->slider);
        addAndMakeVisible (macro->label);
    }
    addAndMakeVisible (mix.label);
    addAndMakeVisible (mix.slider);
    for (auto& lfo : lfos)
        lfo->addTo (this);
    for (auto& editor : vectorSpaceEditors)
        editor->addTo (this);
    for (auto& pair : visualizerPairs)
        addAndMakeVisible (*pair);

    Colours::set (effectLookAndFeel, Colours::Type::FrontPlate, juce::Colour (Colours::DefaultFrontPlate));
    effectSection.setLookAndFeel (&effectLookAndFeel);

    uiCallbacks.addCallback (
        UiModel::LfoEditorExpanded, [this] (juce::var) { resized(); }, false);
    uiCallbacks.addCallback (
        UiModel::TransformEditorExpanded, [this] (juce::var) { resized(); }, false);
    uiCallbacks.addCallback (
        UiModel::ThemeColour, [this] (juce::var value) { applyTheme (value); }, true);

    tooltips.set (voiceCount, "Voice Count");
    tooltips.set (bypass, "Bypass Entire Plugin");
    for (std::size_t i = 0; i < macros.size(); ++i)
        tooltips.set (macros[i]->slider, "Macro " + juce::String (i + 1));
    tooltips.set (mix.slider, "Global Mix");
    tooltips.set (transformToggle, "Expand Transform Editor");
    tooltips.set (lfoToggle, "Expand Lfo Editor");
    for (std::size_t i = 0; i < visualizerPairs.size(); ++i)
        tooltips.set (*visualizerPairs[i], "Vector Space " + juce::String (i + 1) + " Visualizer");
}

CorvaneEditor::~CorvaneEditor() { effectSection.setLookAndFeel (nullptr); }

void CorvaneEditor::installTypeface()
{
    const auto bytes = EditorResources::typeface();
    if (bytes.data == nullptr || bytes.size <= 0)
        return;
    auto typeface =
        juce::Typeface::createSystemTypefaceFor (bytes.data, static_cast<std::size_t> (bytes.size));
    if (typeface == nullptr)
        return;
    // Fonts find their typeface through the default look-and-feel, so the change is global.
    juce::LookAndFeel::getDefaultLookAndFeel().setDefaultSansSerifTypeface (typeface);
    juce::Typeface::clearTypefaceCache();
}

void CorvaneEditor::applyTheme (const juce::var& themeText)
{
    const auto colour = Colours::fromThemeText (themeText.toString());
    Colours::set (effectLookAndFeel, Colours::Type::FrontPlate, colour);
    // The terminal colours live in the shell's look-and-feel; before the shell holds this editor they
    // would land in the application's default, which other windows share.
    if (getParentComponent() != nullptr)
        Colours::set (getLookAndFeel(), Colours::Type::Terminal, colour);
    effectSection.sendLookAndFeelChange();
    repaint();
}

void CorvaneEditor::parentHierarchyChanged() { applyTheme (data.getUiModel()[UiModel::ThemeColour]); }

void CorvaneEditor::openAboutPopup()
{
    if (aboutPopup.isValid() || ! aboutPopup.findHost (*this) || ! aboutPopup.create())
        return;
    aboutPopup.setRelativeComponent (*this, false);
    aboutPopup.setAlignment (exl::PopupAlignment::Centred);
    aboutPopup.setSize (std::max (getWidth() - aboutPopupInset, 0),
                        std::max (getHeight() - aboutPopupInset, 0));
    aboutPopup.setContentComponent (std::make_unique<AboutPopup> (data));
    aboutPopup.show();
}

juce::Component* CorvaneEditor::findChild (const juce::String& name) const
{
    for (auto* child : getChildren())
        if (child->getName() == name)
            return child;
    for (auto* child : effectSection.getChildren())
        if (child->getName() == name)
            return child;
    return nullptr;
}

void CorvaneEditor::resized()
{
    const auto ui = data.getUiModel();
    const auto layout =
        EditorLayout::compute (getWidth(), getHeight(), isTrue (ui[UiModel::LfoEditorExpanded]),
                               isTrue (ui[UiModel::TransformEditorExpanded]));
    logo.setBounds (layout.logo);
    presetSelector.setButtonBounds (layout.previousPreset, layout.presetName, layout.nextPreset,
                                    layout.initPreset, layout.savePreset, layout.modulationOverlay);
    voiceCountLabel.setBounds (layout.voiceCountLabel);
    voiceCount.setBounds (layout.voiceCount);
    bypass.setBounds (layout.bypass);
    mix.label.setBounds (layout.mixLabel);
    mix.slider.setBounds (layout.mix);
    for (std::size_t i = 0; i < macros.size(); ++i)
    {
        macros[i]->slider.setBounds (layout.macroSliders[i]);
        macros[i]->label.setBounds (layout.macroLabels[i]);
    }
    lfoToggle.setBounds (layout.lfoToggle);
    for (std::size_t i = 0; i < lfos.size(); ++i)
        lfos[i]->setBounds (layout.lfos[i]);
    transformToggle.setBounds (layout.transformToggle);
    for (std::size_t i = 0; i < vectorSpaceEditors.size(); ++i)
    {
        vectorSpaceEditors[i]->setBounds (layout.vectorSpaceEditors[i]);
        visualizerPairs[i]->setBounds (layout.visualizerPairs[i]);
    }
    tooltipLine.getLabel().setBounds (layout.tooltip);
    effectSection.setBounds (layout.effectSection);
}

void CorvaneEditor::refreshNoise()
{
    if (noise.isValid() && noise.getWidth() >= getWidth() && noise.getHeight() >= getHeight())
        return;
    noise = juce::Image (juce::Image::ARGB, std::max (getWidth(), 1), std::max (getHeight(), 1), false);
    auto& random = juce::Random::getSystemRandom();
    const juce::Image::BitmapData pixels (noise, juce::Image::BitmapData::writeOnly);
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
        {
            const auto r = std::min (random.nextFloat(), maximumNoise);
            const auto alpha = static_cast<juce::uint8> (juce::roundToInt (r * 255.0f));
            pixels.setPixelColour (x, y, juce::Colours::white.withAlpha (alpha));
        }
}

void CorvaneEditor::paint (juce::Graphics& g)
{
    refreshNoise();
    const auto effectTop = effectSection.getY();
    const auto background = Colours::get (this, Colours::Background);
    g.setGradientFill (juce::ColourGradient::vertical (background, 0.0f, faded (background, backgroundFade),
                                                       static_cast<float> (effectTop)));
    g.fillRect (0, 0, getWidth(), effectTop);

    g.setTiledImageFill (noise, 0, 0, noiseOpacity);
    g.fillAll();

    const auto shadowTop = static_cast<float> (effectTop - shadowHeight / 2);
    g.setGradientFill (juce::ColourGradient::vertical (juce::Colours::transparentBlack, shadowTop,
                                                       juce::Colours::black.withAlpha (shadowAlpha),
                                                       shadowTop + static_cast<float> (shadowHeight)));
    g.fillRect (0, effectTop - shadowHeight / 2, getWidth(), shadowHeight);
}
} // namespace cvl
