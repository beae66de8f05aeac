#include "AboutPopup.h"

#include "Colours.h"
#include "EditorResources.h"
#include "models/UiModel.h"

namespace cvl
{
namespace
{
    constexpr int margin = 6;
    constexpr int gap = 6;
    constexpr int lineHeight = 30;
    constexpr int urlWidth = 200;
    constexpr int iconRowHeight = 80;
    constexpr int iconGroupWidth = 300;
    constexpr int signatureWidth = 50;
    constexpr int signatureHeight = 20;
    constexpr int makerLogoWidth = 200;
    constexpr int productLogoHeight = 100;
    constexpr int menuBlockWidth = 500;
    constexpr int menuBlockHeight = 240;
    constexpr int menuWidth = 150;
    constexpr int warheadWidth = 200;
    constexpr float cornerRadius = 5.0f;
    constexpr juce::uint8 highlightAlpha = 0x40;
    constexpr int vst3WrapperType = 2;
    constexpr const char* makerName = "Halvik Audio 2026";
    constexpr const char* makerUrl = "https://halvikaudio.example";

    juce::String versionLine (const juce::ValueTree& ui)
    {
        const auto cpuinfo = juce::File ("/proc/cpuinfo").loadFileAsString();
        return juce::StringArray{ EditorResources::versionString(), "Linux",
                                  AboutPopup::processorModelName (cpuinfo), AboutPopup::SourceRevision,
                                  ui[UiModel::WrapperTypeDesc].toString() }
            .joinIntoString (" / ");
    }
} // namespace

juce::String AboutPopup::processorModelName (const juce::String& cpuinfo)
{
    for (const auto& line : juce::StringArray::fromLines (cpuinfo))
        if (line.upToFirstOccurrenceOf (":", false, false).trim() == "model name")
            return line.fromFirstOccurrenceOf (":", false, false).trim();
    return {};
}

AboutPopup::AboutPopup (IComponentData& data)
    : logo (EditorResources::corvaneLogo(), false), signatureLeft (EditorResources::signatureLeft(), false),
      signatureRight (EditorResources::signatureRight(), false),
      makerLogo (EditorResources::makerLogo(), false), warhead (EditorResources::warhead(), false),
      scaleMenu (data.getUiModel().getChildWithName (UiModel::Scale)),
      themeMenu (data.getUiModel().getChildWithName (UiModel::ThemeColour))
{
    const auto ui = data.getUiModel();
    notice.setText (FormatNotice, juce::dontSendNotification);
    notice.setJustificationType (juce::Justification::centred);
    version.setText (versionLine (ui), juce::dontSendNotification);
    version.setJustificationType (juce::Justification::centred);
    addChildComponent (notice);
    notice.setVisible (static_cast<int> (ui[UiModel::WrapperType]) == vst3WrapperType);
    addAndMakeVisible (version);
    addAndMakeVisible (url);
    addAndMakeVisible (scaleMenu);
    addAndMakeVisible (themeMenu);
}

void AboutPopup::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (Colours::PopupBackground));
    g.fillRoundedRectangle (getLocalBounds().toFloat(), cornerRadius);
    g.setColour (Colours::get (this, Colours::Text));
    for (const auto* icon : { &logo, &signatureLeft, &signatureRight, &makerLogo, &warhead })
        icon->paint (g);
}

void AboutPopup::resized()
{
    auto area = getLocalBounds().reduced (margin);
    version.setBounds (area.removeFromBottom (lineHeight));
    area.removeFromBottom (gap);
    if (notice.isVisible())
    {
        notice.setBounds (area.removeFromBottom (lineHeight));
        area.removeFromBottom (gap);
    }
    url.setBounds (area.removeFromBottom (lineHeight).withSizeKeepingCentre (urlWidth, lineHeight));
    area.removeFromBottom (gap);

    auto iconRow = area.removeFromBottom (iconRowHeight);
    auto group = iconRow.withSizeKeepingCentre (iconGroupWidth, iconRow.getHeight());
    signatureLeft.setBounds (group.removeFromLeft (signatureWidth)
                                 .withSizeKeepingCentre (signatureWidth, signatureHeight)
                                 .toFloat());
    makerLogo.setBounds (group.removeFromLeft (makerLogoWidth).toFloat());
    signatureRight.setBounds (group.removeFromLeft (signatureWidth)
                                  .withSizeKeepingCentre (signatureWidth, signatureHeight)
                                  .toFloat());
    area.removeFromBottom (gap);
    logo.setBounds (area.removeFromBottom (productLogoHeight).toFloat());
    area.removeFromBottom (gap);

    auto block = area.withSizeKeepingCentre (menuBlockWidth, menuBlockHeight);
    scaleMenu.setBounds (block.removeFromLeft (menuWidth));
    themeMenu.setBounds (block.removeFromRight (menuWidth));
    warhead.setBounds (block.withSizeKeepingCentre (warheadWidth, menuBlockHeight).toFloat());
}

AboutPopup::UrlButton::UrlButton() : juce::HyperlinkButton (makerName, juce::URL (makerUrl))
{
    setMouseCursor (juce::MouseCursor::PointingHandCursor);
}

void AboutPopup::UrlButton::paintButton (juce::Graphics& g, bool highlighted, bool down)
{
    const auto colour = Colours::get (this, down ? Colours::TextHighlighted : Colours::Text);
    if (highlighted)
    {
        g.setColour (colour.withAlpha (highlightAlpha));
        g.fillRect (getLocalBounds());
    }
    g.setColour (colour);
    g.drawText (getButtonText(), getLocalBounds(), juce::Justification::centred, true);
}
} // namespace cvl
