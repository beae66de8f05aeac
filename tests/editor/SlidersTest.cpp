#include "editor/Colours.h"
#include "editor/controls/MacroSlider.h"
#include "editor/controls/ModulatedParameterSlider.h"
#include "editor/controls/ModulationSlider.h"
#include "editor/controls/ParameterSetterButton.h"
#include "editor/controls/TerminalSlider.h"
#include "editor/controls/ToggleButton.h"
#include "editor/controls/VoiceCountSlider.h"
#include "editor/overlay/ModulationEditorPopup.h"
#include "models/UiModel.h"

#include "ShellFixture.h"

#include <cmath>

namespace
{
using cvl::test::mouseEvent;

constexpr auto lfoFrequency = "Frequency_Lfo1";
constexpr auto delayTime = "DelayTime0_Effect";

struct Controls : cvl::test::ShellFixture
{
    // The alpha of a snapshot pixel at a distance from the centre of a square component along a
    // knob angle (radians from 12 o'clock, clockwise).
    static int alphaAt (const juce::Image& image, float angle, float distance)
    {
        const auto c = static_cast<float> (image.getWidth()) / 2.0f;
        const auto x = juce::roundToInt (c + distance * std::sin (angle));
        const auto y = juce::roundToInt (c - distance * std::cos (angle));
        return image.getPixelAt (x, y).getAlpha();
    }
};

TEST_F (Controls, RotaryPointersCoverTheArcFromMinus144ToPlus144Degrees)
{
    cvl::TerminalSlider terminal (data(), lfoFrequency);
    cvl::MacroSlider macro (data(), "Mix");
    struct Case
    {
        float value;
        float degrees;
    };
    const Case cases[] = { { 0.0f, -144.0f }, { 0.5f, 0.0f }, { 1.0f, 144.0f } };
    for (auto* knob : std::initializer_list<cvl::Slider*>{ &terminal, &macro })
    {
        place (*knob, { 10, 300, 40, 40 });
        for (const auto& [value, degrees] : cases)
        {
            knob->getParameter()->setValueNotifyingHost (value);
            pump (40);
            const auto image = knob->createComponentSnapshot (knob->getLocalBounds());
            const auto angle = juce::degreesToRadians (degrees);
            // Radius 18: the pointer runs from the rim inwards; at 12 pixels only it is drawn.
            EXPECT_GT (alphaAt (image, angle, 12.0f), 0x80) << knob->getName() << " at " << value;
            EXPECT_LT (alphaAt (image, angle + juce::MathConstants<float>::pi, 12.0f), 0x20)
                << knob->getName() << " at " << value;
            EXPECT_LT (alphaAt (image, angle + juce::MathConstants<float>::halfPi, 12.0f), 0x20);
        }
    }
}

TEST_F (Controls, ModulationAmountPieGrowsClockwiseFromTheTop)
{
    cvl::ModulationSlider amount (data(), "Frequency_Lfo1_Macro1");
    place (amount, { 10, 300, 40, 40 });
    const auto text = cvl::Colours::get (&amount, cvl::Colours::Text);
    const auto background = cvl::Colours::get (&amount, cvl::Colours::Background);
    const auto at = [&amount] (float value, int x, int y)
    {
        amount.getParameter()->setValueNotifyingHost (value);
        pump (40);
        return amount.createComponentSnapshot (amount.getLocalBounds()).getPixelAt (x, y);
    };
    // Probes at 7 pixels from the centre (20, 20), one in each quadrant.
    const int upperRight[] = { 25, 15 }, lowerRight[] = { 25, 25 }, lowerLeft[] = { 15, 25 },
              upperLeft[] = { 15, 15 };
    EXPECT_EQ (at (0.5f, upperRight[0], upperRight[1]), background) << "zero paints no pie";
    EXPECT_EQ (at (0.5f, upperLeft[0], upperLeft[1]), background);
    EXPECT_EQ (at (0.625f, upperRight[0], upperRight[1]), text)
        << "a quarter of the way fills 12 to 3 o'clock";
    EXPECT_EQ (at (0.625f, lowerRight[0], lowerRight[1]), background);
    EXPECT_EQ (at (0.625f, upperLeft[0], upperLeft[1]), background);
    EXPECT_EQ (at (0.375f, upperLeft[0], upperLeft[1]), text) << "a negative amount fills anticlockwise";
    EXPECT_EQ (at (0.375f, upperRight[0], upperRight[1]), background);
    for (const auto end : { 0.0f, 1.0f })
        for (const auto* probe : { upperRight, lowerRight, lowerLeft, upperLeft })
            EXPECT_EQ (at (end, probe[0], probe[1]), text) << "the whole disc at " << end;
}

TEST_F (Controls, HoveringATerminalKnobEmphasisesOnlyAssignedModulators)
{
    auto modulations = editor->getModulationsModel();
    {
        cvl::TerminalSlider knob (data(), lfoFrequency);
        knob.getModulationsListener().mouseEnter (mouseEvent (knob, {}));
        for (int i = 0; i < modulations.getNumProperties(); ++i)
            EXPECT_FALSE (static_cast<bool> (modulations[modulations.getPropertyName (i)]));
        knob.getModulationsListener().mouseExit (mouseEvent (knob, {}));
    }
    set ("Frequency_Lfo1_Macro3", 0.6f);
    pump();
    cvl::TerminalSlider knob (data(), lfoFrequency);
    knob.getModulationsListener().mouseEnter (mouseEvent (knob, {}));
    EXPECT_TRUE (static_cast<bool> (modulations["Macro3"]));
    EXPECT_FALSE (static_cast<bool> (modulations["Macro1"]));
    knob.getModulationsListener().mouseExit (mouseEvent (knob, {}));
    EXPECT_FALSE (static_cast<bool> (modulations["Macro3"]));
}

TEST_F (Controls, AMacroKnobIsItsModulatorsSourceAndLightsUpWithIt)
{
    cvl::MacroSlider macro (data(), "Macro_2", cvl::MonoModulatorId::Macro2);
    cvl::MacroSlider mix (data(), "Mix");
    place (macro, { 757, 6, 75, 66 });
    EXPECT_EQ (macro.getEmphasisArea().getProperties()["ModulationsOverlayModulator"].toString(), "Macro2");
    EXPECT_EQ (macro.getEmphasisArea().getBounds(), macro.getLocalBounds());
    EXPECT_EQ (macro.getIndexOfChildComponent (&macro.getEmphasisArea()), 0)
        << "behind the knob's other children";
    EXPECT_FALSE (mix.getEmphasisArea().isVisible()) << "the mix is no modulator";

    auto modulations = editor->getModulationsModel();
    modulations.setProperty ("Macro2", true, nullptr);
    EXPECT_TRUE (macro.getEmphasisArea().emphasised);
    modulations.setProperty ("Macro1", true, nullptr);
    modulations.setProperty ("Macro2", false, nullptr);
    EXPECT_FALSE (macro.getEmphasisArea().emphasised);
}

TEST_F (Controls, KnobMenusOpenAboveInEffectSlotsAndBelowElsewhere)
{
    struct Case
    {
        const char* identifier;
        int items;
        exl::PopupAlignment alignment;
    };
    const Case cases[] = { { delayTime, 4, exl::PopupAlignment::Above },
                           { lfoFrequency, 4, exl::PopupAlignment::Below },
                           { "X_VectorSpace1Transform1", 4, exl::PopupAlignment::Below },
                           { "Mix", 3, exl::PopupAlignment::Below },
                           { "Macro_1", 3, exl::PopupAlignment::Below } };
    for (const auto& [identifier, items, alignment] : cases)
    {
        cvl::TerminalSlider knob (data(), identifier);
        place (knob, { 300, 300, 30, 30 });
        knob.getClickMenu().getClickListener().mouseUp (cvl::test::rightClick (knob));
        ASSERT_TRUE (knob.getClickMenu().isOpen()) << identifier;
        const auto menu = knob.getClickMenu().getTree();
        ASSERT_EQ (menu.getNumChildren(), items) << identifier;
        EXPECT_EQ (menu.getChild (0)[exl::ChoiceParameterModel::ChoiceText].toString(), "Reset");
        EXPECT_EQ (menu.getChild (1)[exl::ChoiceParameterModel::ChoiceText].toString(), "Copy");
        EXPECT_EQ (menu.getChild (2)[exl::ChoiceParameterModel::ChoiceText].toString(), "Paste");
        if (items == 4)
        {
            EXPECT_EQ (menu.getChild (3)[exl::ChoiceParameterModel::ChoiceText].toString(),
                       "Remove Modulations");
        }
        const auto popup = topPopup()->getBounds();
        if (alignment == exl::PopupAlignment::Above)
        {
            EXPECT_EQ (popup.getBottom(), knob.getY()) << identifier;
        }
        else
        {
            EXPECT_EQ (popup.getY(), knob.getBottom()) << identifier;
        }
        editor->closeAllPopups();
    }
}

TEST_F (Controls, MenuActionsResetPasteNumbersOnlyAndRemoveModulations)
{
    cvl::OtherDspSlider knob (data(), delayTime);
    auto& time = parameter (delayTime);
    time.setValueNotifyingHost (0.9f);
    knob.performMenuItem (cvl::Slider::Reset);
    EXPECT_FLOAT_EQ (time.getValue(), time.getDefaultValue());

    struct Paste
    {
        const char* text;
        float expected;
    };
    const Paste pastes[] = { { "0.25", 0.25f }, { "not a number", 0.25f }, { "0.5abc", 0.25f },
                             { "7", 1.0f },     { " -3 ", 0.0f },          { "", 0.0f },
                             { "nan", 0.0f },   { "0.125", 0.125f } };
    for (const auto& [text, expected] : pastes)
    {
        knob.paste (text);
        EXPECT_FLOAT_EQ (time.getValue(), expected) << '"' << text << '"';
    }

    for (const auto* modulator : { "VectorSpace1X", "VectorSpace3Y" })
        set (juce::String (delayTime) + "_" + modulator, 0.8f);
    set ("DelayFeedback0_Effect_VectorSpace1X", 0.8f);
    knob.performMenuItem (cvl::Slider::RemoveModulations);
    for (const auto* modulator : { "VectorSpace1X", "VectorSpace3Y" })
        EXPECT_FLOAT_EQ (value (juce::String (delayTime) + "_" + modulator), 0.5f);
    EXPECT_FLOAT_EQ (value ("DelayFeedback0_Effect_VectorSpace1X"), 0.8f) << "only this knob's amounts";
    EXPECT_FLOAT_EQ (time.getValue(), 0.125f);

    cvl::TerminalSlider lfo (data(), lfoFrequency);
    set ("Frequency_Lfo1_Macro2", 0.1f);
    lfo.performMenuItem (cvl::Slider::RemoveModulations);
    EXPECT_FLOAT_EQ (value ("Frequency_Lfo1_Macro2"), 0.5f);
}

TEST_F (Controls, VoiceCountCellsAndWheel)
{
    cvl::VoiceCountSlider voices (data());
    place (voices, { 512, 41, 160, 26 });
    auto& count = parameter ("VoiceCount");
    const auto ranged = [&count] { return juce::roundToInt (count.convertFrom0to1 (count.getValue())); };

    // Cells of 20 by 13: the fifth is the fifth of the first row.
    voices.mouseDown (mouseEvent (voices, { 85.0f, 5.0f }));
    EXPECT_EQ (ranged(), 5);
    voices.mouseDown (mouseEvent (voices, { 20.0f, 13.0f }));
    EXPECT_EQ (ranged(), 10) << "left and top edges belong to the cell";

    const auto wheel = [&voices] (float delta)
    { voices.mouseWheelMove (mouseEvent (voices, {}), cvl::test::wheelDetails (delta)); };
    wheel (1.0f);
    EXPECT_EQ (ranged(), 11);
    voices.mouseDown (mouseEvent (voices, { 155.0f, 20.0f }));
    EXPECT_EQ (ranged(), 16);
    wheel (1.0f);
    EXPECT_EQ (ranged(), 16);
    voices.mouseDown (mouseEvent (voices, { 1.0f, 1.0f }));
    wheel (-1.0f);
    EXPECT_EQ (ranged(), 1);

    // Painting: one full dot, hovered cells previewed fainter than the rest.
    pump();
    voices.mouseMove (mouseEvent (voices, { 45.0f, 5.0f }));
    EXPECT_EQ (voices.getHoveredIndex(), 2);
    const auto image = voices.createComponentSnapshot (voices.getLocalBounds());
    const auto dot = [&image] (int cell)
    { return image.getPixelAt (10 + 20 * (cell % 8), 6 + 13 * (cell / 8)).getAlpha(); };
    EXPECT_GT (dot (0), 0xe0);
    EXPECT_NEAR (dot (1), 0x4c, 2);
    EXPECT_NEAR (dot (2), 0x4c, 2);
    EXPECT_NEAR (dot (3), 0x26, 2);
    EXPECT_NEAR (dot (15), 0x26, 2);
    voices.mouseExit (mouseEvent (voices, {}));
    EXPECT_EQ (voices.getHoveredIndex(), -1);
}

TEST_F (Controls, BypassBlinksEvery500MsWhileBypassedAndStopsUnshaded)
{
    cvl::BypassBytton bypass (data(), "Bypass");
    place (bypass, { 512, 77, 70, 25 });
    EXPECT_FALSE (bypass.isBlinking());
    set ("Bypass", 1.0f);
    pump();
    ASSERT_TRUE (bypass.isBlinking());
    EXPECT_TRUE (bypass.isBlinkOn());
    const auto shaded = bypass.createComponentSnapshot (bypass.getLocalBounds()).getPixelAt (4, 4).getAlpha();
    EXPECT_GT (shaded, 0);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (560);
    EXPECT_FALSE (bypass.isBlinkOn()) << "one 500 ms turn later";
    EXPECT_EQ (bypass.createComponentSnapshot (bypass.getLocalBounds()).getPixelAt (4, 4).getAlpha(), 0);

    set ("Bypass", 0.0f);
    pump();
    EXPECT_FALSE (bypass.isBlinking());
    EXPECT_FALSE (bypass.isBlinkOn());
}

TEST_F (Controls, LabelsNameTheParameterAndItsValueText)
{
    const std::pair<const char*, const char*> names[] = { { "DistortionAmount2_Effect", "Amount" },
                                                          { "DiffuserDelayTime1_Effect", "Time" },
                                                          { "DelayFeedback0_Effect", "Feedback" },
                                                          { "FilterCutoff2_Effect", "Cutoff" },
                                                          { "AllpassOrder1_Effect", "Order" } };
    for (const auto& [identifier, name] : names)
        EXPECT_EQ (cvl::DspSlider::labelNameFor (identifier), name) << identifier;

    cvl::DspSlider delay (data(), "Delay", "Time", 0, "Effect");
    const auto& time = parameter (delayTime);
    EXPECT_EQ (delay.getLabel().getText(), "Time: " + time.getText (time.getValue(), 100));
    EXPECT_EQ (delay.getSlider().getKnob()->getProperties()["ModulationsOverlayParameter"].toString(),
               delayTime);

    // A slot column of 100 by 122: the label's 30 pixels at the bottom, a 92-pixel square above for the
    // visualizer and the knob 7 pixels inside it.
    juce::Component column;
    delay.addTo (column);
    delay.setBounds ({ 6, 0, 100, 122 });
    EXPECT_EQ (delay.getLabel().getBounds(), juce::Rectangle<int> (6, 92, 100, 30));
    EXPECT_EQ (delay.getSlider().getVisualizer()->getBounds(), juce::Rectangle<int> (10, 0, 92, 92));
    EXPECT_EQ (delay.getSlider().getKnob()->getBounds(), juce::Rectangle<int> (17, 7, 78, 78));
}

TEST_F (Controls, LfoFrequencyLabelsFollowTheSyncType)
{
    cvl::SliderLabel label (data(), lfoFrequency);
    struct Case
    {
        float sync; // 0 free, 0.5 standard, 1 triplet
        float frequency;
        const char* text;
    };
    const Case cases[] = { { 0.5f, 1.0f, "Frequency: 1/8" }, { 1.0f, 1.0f, "Frequency: 1/12" },
                           { 1.0f, 0.6f, "Frequency: 1/3" }, { 0.5f, 0.6f, "Frequency: 1/2" },
                           { 0.5f, 0.0f, "Frequency: 2/1" }, { 1.0f, 0.0f, "Frequency: 4/3" } };
    for (const auto& [sync, frequency, text] : cases)
    {
        set ("SyncType_Lfo1", sync);
        pump();
        // The text follows frequency changes only; step away and back.
        set (lfoFrequency, 0.3f);
        pump();
        set (lfoFrequency, frequency);
        pump();
        EXPECT_EQ (label.getText(), text) << sync << " " << frequency;
    }

    set ("SyncType_Lfo1", 0.0f);
    pump();
    EXPECT_EQ (label.getText(), "Frequency: 4/3") << "a sync change alone keeps the text";
    set (lfoFrequency, 0.5f);
    pump();
    // Free: 5 v^(1 / log10 2) hertz.
    const auto hz = 5.0 * std::pow (0.5, 1.0 / std::log10 (2.0));
    EXPECT_EQ (label.getText(), "Frequency: " + juce::String (hz, 2) + "hz");
}

TEST_F (Controls, SetterButtonsShowTheirChoice)
{
    cvl::ParameterSetterButton softClip (data(), "DistortionType1_Effect", 2, nullptr);
    cvl::ParameterSetterButton sine (data(), "DistortionType1_Effect", 4, nullptr);
    set ("DistortionType1_Effect", 0.4f);
    pump();
    EXPECT_TRUE (softClip.isSelected());
    EXPECT_FALSE (sine.isSelected());
}

struct ModulationPopups : cvl::test::ShellFixture
{
    void SetUp() override
    {
        ShellFixture::SetUp();
        editor->getUiModel().setProperty (cvl::UiModel::LfoEditorExpanded, true, nullptr);
        pump (20);
    }

    juce::Component& holder()
    {
        place (area, { 0, 300, 1000, 300 });
        return area;
    }

    juce::Component area;
};

TEST_F (ModulationPopups, SizesFollowTheRowsAndTheKind)
{
    // A transform's X carries all ten mono amounts; an LFO's frequency has none from that LFO itself.
    cvl::ModulatedParameterSlider lfo (data(), cvl::ParameterId::fromString ("X_VectorSpace1Transform1"));
    cvl::ModulatedParameterSlider ownLfo (data(), cvl::ParameterId::fromString (lfoFrequency));
    cvl::ModulatedParameterSlider effect (data(), cvl::ParameterId::fromString (delayTime));
    lfo.addTo (holder());
    ownLfo.addTo (holder());
    effect.addTo (holder());
    lfo.getKnob()->setBounds (300, 100, 25, 25);
    ownLfo.getKnob()->setBounds (300, 200, 25, 25);
    effect.getKnob()->setBounds (500, 100, 86, 86);

    lfo.openPopup();
    ASSERT_TRUE (lfo.isPopupOpen());
    auto* lfoPopup = lfo.getPopupContent();
    ASSERT_NE (lfoPopup, nullptr);
    EXPECT_EQ (lfoPopup->getNumMods(), 10);
    EXPECT_EQ (lfoPopup->getWidth(), 362);
    EXPECT_EQ (lfoPopup->getHeight(), 25 + 144);
    const auto lfoKnob = editor->getLocalArea (lfo.getKnob(), lfo.getKnob()->getLocalBounds());
    EXPECT_NEAR (lfoPopup->getBounds().getCentreX(), lfoKnob.getCentreX(), 1) << "centred on the knob";
    EXPECT_NEAR (lfoPopup->getBounds().getCentreY(), lfoKnob.getCentreY(), 1);
    std::vector<juce::String> labels, tips;
    for (int i = 0; i < lfoPopup->getNumMods(); ++i)
    {
        labels.push_back (dynamic_cast<juce::Label*> (lfoPopup->getMod (i).label.get())->getText());
        tips.push_back (lfoPopup->getTooltips().get (*lfoPopup->getMod (i).control));
    }
    EXPECT_EQ (labels,
               (std::vector<juce::String>{ "L1", "L2", "L3", "L4", "L5", "L6", "M1", "M2", "M3", "M4" }));
    EXPECT_EQ (tips[6], "Macro 1 Modulation Amount For X Vector Space 1 Transform 1");

    ownLfo.openPopup();
    ASSERT_NE (ownLfo.getPopupContent(), nullptr);
    EXPECT_EQ (ownLfo.getPopupContent()->getNumMods(), 9);
    EXPECT_EQ (ownLfo.getPopupContent()->getTooltips().get (*ownLfo.getPopupContent()->getMod (5).control),
               "Macro 1 Modulation Amount For Frequency Lfo 1");

    effect.openPopup();
    auto* effectPopup = effect.getPopupContent();
    ASSERT_NE (effectPopup, nullptr);
    EXPECT_EQ (effectPopup->getNumMods(), 6);
    EXPECT_EQ (effectPopup->getWidth(), 222);
    EXPECT_EQ (effectPopup->getHeight(), 86 + 72);
    const auto knob = editor->getLocalArea (effect.getKnob(), effect.getKnob()->getLocalBounds());
    EXPECT_EQ (effectPopup->getBottom(), knob.getBottom()) << "grows upwards from the knob's bottom";
    EXPECT_EQ (dynamic_cast<juce::Label*> (effectPopup->getMod (3).label.get())->getText(), "V2Y");
    EXPECT_FALSE (effectPopup->hitTest (knob.getCentreX() - effectPopup->getX(),
                                        knob.getCentreY() - effectPopup->getY()))
        << "the knob stays usable under the popup";
    EXPECT_TRUE (effectPopup->hitTest (5, 5));
}

TEST_F (ModulationPopups, HoveringASecondKnobClosesTheFirstPopup)
{
    cvl::ModulatedParameterSlider first (data(), cvl::ParameterId::fromString (delayTime));
    cvl::ModulatedParameterSlider second (data(), cvl::ParameterId::fromString ("DelayMix0_Effect"));
    first.addTo (holder());
    second.addTo (holder());
    first.getKnob()->setBounds (100, 150, 80, 80);
    second.getKnob()->setBounds (400, 150, 80, 80);

    first.hover();
    ASSERT_TRUE (first.isPopupOpen());
    EXPECT_EQ (editor->getUiModel()[cvl::UiModel::HoveredParameter].toString(), delayTime);
    second.hover();
    pump (20);
    EXPECT_FALSE (first.isPopupOpen());
    EXPECT_TRUE (second.isPopupOpen());
}

TEST_F (ModulationPopups, MovingAwayFromTheAnchorClosesAtOnceOrAfter250Ms)
{
    cvl::ModulatedParameterSlider knob (data(), cvl::ParameterId::fromString (delayTime));
    knob.addTo (holder());
    knob.getKnob()->setBounds (400, 150, 80, 80);
    knob.openPopup();
    auto* popup = knob.getPopupContent();
    ASSERT_NE (popup, nullptr);
    const auto anchor = popup->getLocalArea (knob.getKnob(), knob.getKnob()->getLocalBounds());
    const auto move = [popup] (juce::Point<int> p) { popup->mouseMove (mouseEvent (*popup, p.toFloat())); };

    move ({ anchor.getRight() + 3, anchor.getCentreY() });
    EXPECT_FALSE (popup->isClosing()) << "within 6 pixels of the anchor";
    move ({ anchor.getRight() + 20, anchor.getCentreY() });
    EXPECT_TRUE (popup->isClosing()) << "beside the anchor: the timer runs";
    move ({ anchor.getCentreX(), anchor.getY() });
    EXPECT_FALSE (popup->isClosing()) << "back over the anchor stops it";
    move ({ anchor.getRight() + 20, anchor.getCentreY() });
    pump (320);
    EXPECT_FALSE (knob.isPopupOpen()) << "closed 250 ms later";

    knob.openPopup();
    popup = knob.getPopupContent();
    ASSERT_NE (popup, nullptr);
    popup->mouseMove (mouseEvent (*popup, { 10.0f, 2.0f }));
    pump (20);
    EXPECT_FALSE (knob.isPopupOpen()) << "above the anchor's band it closes at once";
}
} // namespace
