#include <exl_processor/exl_processor.h>

#include <gtest/gtest.h>

namespace
{
class TestProcessor final : public exl::PluginProcessor
{
public:
    TestProcessor()
        : exl::PluginProcessor (BusesProperties()
                                    .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                    .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
    {
    }
    const juce::String getName() const override { return "Test"; }
    void prepareToPlay (double, int) override {}
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override { dispatchParameterChanges(); }
    using AudioProcessor::processBlock;
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }
};

std::unique_ptr<exl::Parameter> makeParameter (const juce::String& id, exl::ChangeCallback callback = {})
{
    return std::make_unique<exl::Parameter> (
        juce::Identifier (id), id, "", "", juce::NormalisableRange<float> (0.0f, 1.0f), 0.0f,
        exl::TextFunction(), exl::ParseFunction(), std::move (callback), 1);
}
} // namespace

TEST (PluginProcessor, FrameworkAnswers)
{
    TestProcessor processor;
    EXPECT_EQ (processor.getTailLengthSeconds(), 0.0);
    EXPECT_FALSE (processor.acceptsMidi());
    EXPECT_FALSE (processor.producesMidi());
    EXPECT_TRUE (processor.hasEditor());
    EXPECT_EQ (processor.getNumPrograms(), 0);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (processor.getProgramName (0), "null");
}

TEST (PluginProcessor, InternalParametersShareOneHiddenDummy)
{
    TestProcessor processor;
    processor.addExternalParameter (makeParameter ("External"));
    EXPECT_EQ (processor.getDummyProcessor(), nullptr);
    processor.addInternalParameter (makeParameter ("InternalA"));
    auto* dummy = processor.getDummyProcessor();
    ASSERT_NE (dummy, nullptr);
    processor.addInternalParameter (makeParameter ("InternalB"));
    EXPECT_EQ (processor.getDummyProcessor(), dummy);

    EXPECT_EQ (processor.getParameters().size(), 1);
    EXPECT_EQ (dummy->getParameters().size(), 2);
    EXPECT_EQ (dummy->getName(), "Dummy");
    EXPECT_NE (dummy->findParameter ("InternalA"), nullptr);
    EXPECT_NE (processor.findParameter ("InternalB"), nullptr);
    EXPECT_EQ (processor.findParameter ("Missing"), nullptr);
}

TEST (PluginProcessor, RegistryIsInCodePointOrderAndKeepsTheLaterDuplicate)
{
    TestProcessor processor;
    for (const auto* id : { "b", "Ab", "A_b", "A", "AB", "a" })
        processor.addExternalParameter (makeParameter (id));
    auto later = makeParameter ("A");
    auto* laterPointer = later.get();
    processor.addExternalParameter (std::move (later));

    juce::StringArray ids;
    for (const auto& id : processor.getParameterIdList())
        ids.add (id.toString());
    EXPECT_EQ (ids.joinIntoString (","), "A,AB,A_b,Ab,a,b");
    EXPECT_EQ (processor.findParameter ("A"), laterPointer);
    EXPECT_EQ (processor.getParameters().size(), 7); // both are framework parameters
}

TEST (PluginProcessor, DispatchVisitsInIdentifierOrderAndFiresOnceAtFirst)
{
    TestProcessor processor;
    juce::StringArray fired;
    for (const auto* id : { "Zeta", "Alpha", "Mid" })
        processor.addExternalParameter (makeParameter (id, [&fired, id] (float) { fired.add (id); }));
    processor.addInternalParameter (makeParameter ("Beta", [&fired] (float) { fired.add ("Beta"); }));

    juce::AudioBuffer<float> buffer (2, 8);
    juce::MidiBuffer midi;
    processor.processBlock (buffer, midi);
    EXPECT_EQ (fired.joinIntoString (","), "Alpha,Beta,Mid,Zeta");

    fired.clear();
    processor.processBlock (buffer, midi);
    EXPECT_TRUE (fired.isEmpty());

    processor.findParameter ("Zeta")->setValue (0.5f);
    processor.findParameter ("Beta")->setValue (0.5f);
    processor.processBlock (buffer, midi);
    EXPECT_EQ (fired.joinIntoString (","), "Beta,Zeta");
}
