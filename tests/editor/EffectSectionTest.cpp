#include "editor/effects/ParameterSwap.h"
#include "editor/effects/ProcessorEditor.h"
#include "editor/effects/SlotEditors.h"

#include "ShellFixture.h"

namespace
{
// Slot types are normalised over the seven choices None ... Filter.
constexpr float typeValue (int index) { return static_cast<float> (index) / 6.0f; }
constexpr int none = 0, delay = 3, distortion = 5, filter = 6;

struct EffectSection : cvl::test::ShellFixture
{
    cvl::ProcessorEditor& section() { return editor->getMainComponent().getEffectSection(); }

    // Every parameter of an effect in a slot (the type's own and, for the knobs, the six amounts), by
    // the identifier it would have in slot 0, with a distinct value.
    std::map<juce::String, float> fill (const juce::String& effect, int slot, float seed)
    {
        std::map<juce::String, float> written;
        auto step = 0;
        for (const auto& identifier : editor->getParameterIds())
        {
            const auto text = identifier.toString();
            const auto base = text.upToFirstOccurrenceOf ("_", false, false);
            if (! text.startsWith (effect) || ! text.contains ("_Effect") ||
                ! base.endsWith (juce::String (slot)))
                continue;
            auto& p = parameter (text);
            // Stepped parameters keep legal steps: pick a choice by its index.
            const auto steps = p.getNumSteps();
            const auto value =
                steps > 1 && steps < 100
                    ? static_cast<float> ((step % (steps - 1)) + 1) / static_cast<float> (steps - 1)
                    : std::fmod (seed + 0.037f * static_cast<float> (step), 1.0f);
            p.setValueNotifyingHost (value);
            written[text.replaceFirstOccurrenceOf (base, base.dropLastCharacters (1) + "#")] = p.getValue();
            ++step;
        }
        return written;
    }

    void expectIn (const std::map<juce::String, float>& written, int slot)
    {
        for (const auto& [pattern, expected] : written)
        {
            const auto identifier = pattern.replace ("#", juce::String (slot));
            EXPECT_FLOAT_EQ (value (identifier), expected) << identifier;
        }
    }
};

TEST_F (EffectSection, ColumnsArrowsAndTheFactory)
{
    set ("ProcessorType1", typeValue (delay));
    set ("ProcessorType2", typeValue (none));
    set ("ProcessorType3", typeValue (filter));
    pump();
    EXPECT_EQ (section().getBounds(), juce::Rectangle<int> (0, 487, 1000, 170));
    const int xs[] = { 6, 337, 668 };
    const int widths[] = { 325, 325, 326 };
    for (int slot = 0; slot < 3; ++slot)
    {
        auto& s = section().getSection (slot);
        EXPECT_EQ (s.typeButton.getBounds(), juce::Rectangle<int> (xs[slot], 6, widths[slot], 30));
        EXPECT_EQ (s.leftArrow.isVisible(), slot > 0) << slot;
        EXPECT_EQ (s.rightArrow.isVisible(), slot < 2) << slot;
        ASSERT_NE (s.editor, nullptr);
    }
    EXPECT_NE (dynamic_cast<cvl::DelayEditor*> (section().getSection (0).editor.get()), nullptr);
    EXPECT_EQ (section().getSection (1).editor->getName(), "Effect Slot 2");
    auto* filterEditor = dynamic_cast<cvl::FilterEditor*> (section().getSection (2).editor.get());
    ASSERT_NE (filterEditor, nullptr);
    EXPECT_EQ (filterEditor->getBounds().getWidth(), 326);
    EXPECT_EQ (section().getSection (1).editor->getBounds().getHeight(), 122);
    EXPECT_EQ (cvl::ProcessorEditor::ProcessorEditorFactory::get().size(), 7u);
}

TEST_F (EffectSection, TypeLabelsNameTheChoice)
{
    set ("ProcessorType2", typeValue (distortion));
    set ("ProcessorType3", typeValue (filter));
    pump();
    auto* distortionEditor = dynamic_cast<cvl::DistortionEditor*> (section().getSection (1).editor.get());
    auto* filterEditor = dynamic_cast<cvl::FilterEditor*> (section().getSection (2).editor.get());
    ASSERT_NE (distortionEditor, nullptr);
    ASSERT_NE (filterEditor, nullptr);
    set ("DistortionType1_Effect", 0.4f);
    set ("FilterType2_Effect", 1.0f);
    pump();
    EXPECT_EQ (distortionEditor->getTypeLabel().getText(), "Soft Clip");
    EXPECT_EQ (filterEditor->getTypeLabel().getText(), "Band Stop");
    EXPECT_EQ (distortionEditor->getTypeButton (0).getBounds().getWidth(), 47);
    EXPECT_EQ (distortionEditor->getTypeButton (0).getBounds().getHeight(), 22);
    EXPECT_EQ (distortionEditor->getTooltips().get (distortionEditor->getTypeButton (3)), "Hard clip");
}

TEST_F (EffectSection, MovingADelayIntoAnEmptySlotTakesEveryValueAndAmount)
{
    set ("ProcessorType1", typeValue (delay));
    set ("ProcessorType2", typeValue (none));
    const auto written = fill ("Delay", 0, 0.21f);
    ASSERT_GE (written.size(), 3u * 7u) << "three knobs with six amounts each";

    cvl::swapProcessors (data(), 0, false);
    EXPECT_FLOAT_EQ (value ("ProcessorType1"), typeValue (none));
    EXPECT_FLOAT_EQ (value ("ProcessorType2"), typeValue (delay));
    expectIn (written, 1);
    pump();
    EXPECT_EQ (section().getSection (0).editor->getName(), "Effect Slot 1");
    EXPECT_NE (dynamic_cast<cvl::DelayEditor*> (section().getSection (1).editor.get()), nullptr);
}

TEST_F (EffectSection, MovingAFilterOntoADistortionExchangesBoth)
{
    set ("ProcessorType2", typeValue (distortion));
    set ("ProcessorType3", typeValue (filter));
    const auto distortionValues = fill ("Distortion", 1, 0.13f);
    const auto filterValues = fill ("Filter", 2, 0.61f);
    ASSERT_TRUE (distortionValues.count ("DistortionType#_Effect") == 1);
    ASSERT_TRUE (filterValues.count ("FilterOrder#_Effect") == 1);

    pump();
    section().getSection (2).leftArrow.triggerClick();
    pump (20);
    EXPECT_FLOAT_EQ (value ("ProcessorType2"), typeValue (filter));
    EXPECT_FLOAT_EQ (value ("ProcessorType3"), typeValue (distortion));
    expectIn (filterValues, 1);
    expectIn (distortionValues, 2);
}

TEST_F (EffectSection, SwappingAndResettingParametersCarryTheirMonoAmounts)
{
    const cvl::ParameterId a{ "X", "VectorSpace1Transform1", {} };
    const cvl::ParameterId b{ "X", "VectorSpace1Transform2", {} };
    set ("X_VectorSpace1Transform1", 0.2f);
    set ("X_VectorSpace1Transform2", 0.7f);
    set ("X_VectorSpace1Transform1_Lfo2", 0.9f);
    cvl::swapParameters (data(), a, b, true);
    EXPECT_FLOAT_EQ (value ("X_VectorSpace1Transform1"), 0.7f);
    EXPECT_FLOAT_EQ (value ("X_VectorSpace1Transform2"), 0.2f);
    EXPECT_FLOAT_EQ (value ("X_VectorSpace1Transform1_Lfo2"), 0.5f);
    EXPECT_FLOAT_EQ (value ("X_VectorSpace1Transform2_Lfo2"), 0.9f);

    cvl::swapParameters (data(), juce::Identifier ("X_VectorSpace1Transform1"),
                         juce::Identifier ("NoSuchParameter"));
    EXPECT_FLOAT_EQ (value ("X_VectorSpace1Transform1"), 0.7f) << "a missing partner changes nothing";

    cvl::resetParameter (data(), b, true);
    EXPECT_FLOAT_EQ (value ("X_VectorSpace1Transform2"),
                     parameter ("X_VectorSpace1Transform2").getDefaultValue());
    EXPECT_FLOAT_EQ (value ("X_VectorSpace1Transform2_Lfo2"), 0.5f);
}
} // namespace
