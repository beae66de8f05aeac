#include "ProcessorEditor.h"

#include "ParameterSwap.h"
#include "SlotEditors.h"
#include "editor/Colours.h"

#include <CorvaneImages.h>

namespace cvl
{
namespace
{
    constexpr float plateFade = 0.7142857f;
    constexpr int shadeHeight = 100;
    constexpr juce::uint8 shadeAlpha = 0x0d;
    constexpr int gap = 6;

    juce::Colour faded (juce::Colour colour, float factor)
    {
        const auto channel = [factor] (juce::uint8 v)
        { return static_cast<juce::uint8> (static_cast<float> (v) * factor); };
        return juce::Colour (channel (colour.getRed()), channel (colour.getGreen()),
                             channel (colour.getBlue()), colour.getAlpha());
    }

    juce::Identifier typeParameter (int slot)
    {
        return juce::Identifier ("ProcessorType" + juce::String (slot + 1));
    }
} // namespace

ProcessorEditor::EffectSection::EffectSection (IComponentData& data, const juce::Identifier& typeId)
    : typeButton (data, typeId), leftArrow (CorvaneImages::arrow_left_svg),
      rightArrow (CorvaneImages::arrow_right_svg), tooltips (data.getUiModel())
{
    tooltips.set (leftArrow, "Move this effect left");
    tooltips.set (rightArrow, "Move this effect right");
}

void ProcessorEditor::EffectSection::setBounds (juce::Rectangle<int> area)
{
    typeButton.setBounds (area.removeFromTop (std::min (typeButtonHeight, area.getHeight())));
    area.removeFromTop (std::min (area.getHeight(), gap));
    auto row = area.withHeight (std::min (area.getHeight(), arrowSize));
    leftArrow.setBounds (row.removeFromLeft (std::min (row.getWidth(), arrowSize)));
    rightArrow.setBounds (row.removeFromRight (std::min (row.getWidth(), arrowSize)));
    if (editor != nullptr)
        editor->setBounds (area);
}

ProcessorEditor::NoneEditor::NoneEditor (int slot) { setName ("Effect Slot " + juce::String (slot + 1)); }

void ProcessorEditor::NoneEditor::paint (juce::Graphics& g)
{
    g.setColour (Colours::get (this, Colours::Text));
    g.drawText (getName(), getLocalBounds(), juce::Justification::centred, true);
}

std::unique_ptr<juce::Component> ProcessorEditor::NoneEditor::Create (IComponentData&, int slot)
{
    return std::make_unique<NoneEditor> (slot);
}

const std::map<int, ProcessorEditor::Creator>& ProcessorEditor::ProcessorEditorFactory::get()
{
    static const std::map<int, Creator> creators{
        { 0, &NoneEditor::Create },   { 1, &AllpassEditor::Create },  { 2, &BalanceEditor::Create },
        { 3, &DelayEditor::Create },  { 4, &DiffuserEditor::Create }, { 5, &DistortionEditor::Create },
        { 6, &FilterEditor::Create },
    };
    return creators;
}

ProcessorEditor::ProcessorEditor (IComponentData& componentData)
    : data (componentData), callbacks (componentData.getParameterModel()),
      tooltips (componentData.getUiModel())
{
    for (int slot = 0; slot < slotCount; ++slot)
    {
        auto& section = sections[static_cast<std::size_t> (slot)];
        section = std::make_unique<EffectSection> (data, typeParameter (slot));
        section->typeButton.setName ("Effect Slot " + juce::String (slot + 1) + " Type");
        addAndMakeVisible (section->typeButton);
    }
    for (int slot = 0; slot < slotCount; ++slot)
        callbacks.addCallback (
            typeParameter (slot), [this, slot] (juce::var value) { rebuildSlot (slot, value); }, true);
}

ProcessorEditor::~ProcessorEditor() = default;

void ProcessorEditor::rebuildSlot (int slot, const juce::var& value)
{
    const auto v = value.isVoid() ? 0.0f : static_cast<float> (value);
    const auto type = std::clamp (juce::roundToInt (v * static_cast<float> (typeSteps)), 0, typeSteps);
    auto& section = *sections[static_cast<std::size_t> (slot)];
    auto created = ProcessorEditorFactory::get().at (type) (data, slot);
    if (section.editor != nullptr)
        removeChildComponent (section.editor.get());
    section.editor = std::move (created);
    addAndMakeVisible (*section.editor);

    if (slot > 0)
    {
        addAndMakeVisible (section.leftArrow);
        section.leftArrow.toFront (false);
        section.leftArrow.onClick = [this, slot]
        {
            swapProcessors (data, slot, true);
            resized();
        };
    }
    if (slot < slotCount - 1)
    {
        addAndMakeVisible (section.rightArrow);
        section.rightArrow.toFront (false);
        section.rightArrow.onClick = [this, slot]
        {
            swapProcessors (data, slot, false);
            resized();
        };
    }
    resized();
}

void ProcessorEditor::resized()
{
    const auto width = std::max (getWidth() - 12, 0);
    const auto height = std::max (getHeight() - 12, 0);
    const auto first = std::min (width, (width - 12) / 3);
    auto rest = width - first - gap;
    const auto second = std::max ((rest - gap) / 2, 0);
    rest = std::max (rest - second - gap, 0);
    const std::array<juce::Rectangle<int>, slotCount> columns{
        juce::Rectangle<int> (gap, gap, std::max (first, 0), height),
        juce::Rectangle<int> (gap + first + gap, gap, second, height),
        juce::Rectangle<int> (gap + first + gap + second + gap, gap, rest, height)
    };
    for (std::size_t i = 0; i < sections.size(); ++i)
        if (sections[i] != nullptr)
            sections[i]->setBounds (columns[i]);
}

void ProcessorEditor::paint (juce::Graphics& g)
{
    const auto background = Colours::get (this, Colours::Background);
    g.setGradientFill (juce::ColourGradient (background, 0.0f, 0.0f, faded (background, plateFade),
                                             static_cast<float> (getWidth()),
                                             static_cast<float> (getHeight()), false));
    g.fillAll();
    for (const auto& section : sections)
    {
        const auto button = section->typeButton.getBounds();
        const auto top = static_cast<float> (button.getBottom());
        g.setGradientFill (juce::ColourGradient::vertical (juce::Colours::black.withAlpha (shadeAlpha), top,
                                                           juce::Colours::transparentBlack,
                                                           top + shadeHeight));
        g.fillRect (button.getX(), button.getBottom(), button.getWidth(), shadeHeight);
    }
}
} // namespace cvl
