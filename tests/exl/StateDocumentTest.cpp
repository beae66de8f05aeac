#include <exl_processor/exl_processor.h>

#include <gtest/gtest.h>

#include <random>

namespace
{
class StateProcessor final : public exl::PluginProcessor
{
public:
    explicit StateProcessor (const std::vector<juce::String>& ids)
        : exl::PluginProcessor (BusesProperties()
                                    .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                    .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
    {
        for (const auto& id : ids)
            addInternalParameter (std::make_unique<exl::Parameter> (
                juce::Identifier (id), id, "", "", juce::NormalisableRange<float> (0.0f, 1.0f), 0.0f,
                exl::TextFunction(), exl::ParseFunction(), exl::ChangeCallback(), 1));
    }
    const juce::String getName() const override { return "State"; }
    void prepareToPlay (double, int) override {}
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
    using AudioProcessor::processBlock;
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }

    float value (const char* id) const { return findParameter (juce::Identifier (id))->getValue(); }
    void setAll (float value)
    {
        for (auto* parameter : getParameterRegistry().getOrderedParameters())
            parameter->setValue (value);
    }
    void read (const juce::String& text)
    {
        setStateInformation (text.toRawUTF8(), static_cast<int> (text.getNumBytesAsUTF8()));
    }
    juce::String write()
    {
        juce::MemoryBlock block;
        getStateInformation (block);
        return block.toString();
    }
};

constexpr float untouched = 0.25f;
} // namespace

TEST (StateDocument, RoundTripKeepsSixSignificantDigitsOfEveryValue)
{
    const std::vector<juce::String> ids{ "Bypass", "Mix", "Tiny", "Third", "Five_Sixths", "One" };
    const std::vector<float> values{ 0.0f, 0.9f, 1.0e-7f, 1.0f / 3.0f, 5.0f / 6.0f, 1.0f };
    StateProcessor source (ids), target (ids);
    for (std::size_t i = 0; i < ids.size(); ++i)
        source.findParameter (juce::Identifier (ids[i]))->setValue (values[i]);

    const auto text = source.write();
    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<state>\r\n"));
    EXPECT_TRUE (text.contains ("\r\n  <param id=\"Five_Sixths\" val=\"0.833333\"/>\r\n"));
    EXPECT_TRUE (text.contains ("<param id=\"Mix\" val=\"0.9\"/>"));
    EXPECT_TRUE (text.contains ("<param id=\"One\" val=\"1\"/>"));
    EXPECT_TRUE (text.contains ("<param id=\"Bypass\" val=\"0\"/>"));
    EXPECT_TRUE (text.contains ("<param id=\"Tiny\" val=\"1e-07\"/>"));
    EXPECT_FALSE (text.contains ("uid"));

    target.setAll (untouched);
    target.read (text);
    for (std::size_t i = 0; i < ids.size(); ++i)
        EXPECT_NEAR (target.value (ids[i].toRawUTF8()), values[i], std::abs (values[i]) * 5.0e-6f) << ids[i];
}

TEST (StateDocument, ParametersAreWrittenInCodePointOrderOfTheirIdentifiers)
{
    StateProcessor processor ({ "AllpassCutoff1_Effect", "AllpassCutoff0_Effect_VectorSpace1X",
                                "AllpassCutoff0_Effect", "a_lower", "Z_upper" });
    const auto text = processor.write();
    const auto document = juce::parseXML (text);
    ASSERT_NE (document, nullptr);
    juce::StringArray order;
    for (const auto* element : document->getChildIterator())
        order.add (element->getStringAttribute ("id"));
    EXPECT_EQ (
        order.joinIntoString (","),
        "AllpassCutoff0_Effect,AllpassCutoff0_Effect_VectorSpace1X,AllpassCutoff1_Effect,Z_upper,a_lower");
}

TEST (StateDocument, ReadingAppliesWhatTheDocumentNamesAndNothingElse)
{
    struct Case
    {
        const char* label;
        const char* document;
        float bypass;
        float mix;
    };
    const Case cases[] = {
        { "uid takes precedence over id", "<state><param uid=\"Bypass\" id=\"Mix\" val=\"1\"/></state>", 1.0f,
          untouched },
        { "missing val reads as 0", "<state><param id=\"Mix\"/></state>", untouched, 0.0f },
        { "a single element", "<state><param id=\"Mix\" val=\"0.5\"/></state>", untouched, 0.5f },
        { "another root name", "<preset><param id=\"Mix\" val=\"0.5\"/></preset>", untouched, 0.5f },
        { "LF line ends",
          "<?xml version=\"1.0\"?>\n\n<state>\n  <param id=\"Mix\" val=\"0.75\"/>\n</state>\n", untouched,
          0.75f },
        { "the later duplicate wins",
          "<state><param id=\"Mix\" val=\"0.1\"/><param id=\"Mix\" val=\"0.2\"/></state>", untouched, 0.2f },
        { "out of range is stored as read", "<state><param id=\"Mix\" val=\"1.5\"/></state>", untouched,
          1.5f },
        { "a leading number is read", "<state><param id=\"Mix\" val=\"0.5dB\"/></state>", untouched, 0.5f },
        { "text without a number reads as 0", "<state><param id=\"Mix\" val=\"loud\"/></state>", untouched,
          0.0f },
        { "other elements and unknown ids are skipped",
          "<state><value id=\"Mix\" val=\"1\"/><param id=\"Nope\" val=\"1\"/><param val=\"1\"/></state>",
          untouched, untouched },
        { "nan leaves the value", "<state><param id=\"Mix\" val=\"nan\"/></state>", untouched, untouched },
        { "inf leaves the value",
          "<state><param id=\"Mix\" val=\"inf\"/><param id=\"Bypass\" val=\"-inf\"/></state>", untouched,
          untouched },
        { "an overflowing number leaves the value", "<state><param id=\"Mix\" val=\"1e999\"/></state>",
          untouched, untouched },
        { "text that is not XML", "this is not a state", untouched, untouched },
        { "a cut-off document", "<state><param id=\"Mix\" val=", untouched, untouched },
        { "empty text", "", untouched, untouched },
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE (entry.label);
        StateProcessor processor ({ "Bypass", "Mix", "Other" });
        processor.setAll (untouched);
        processor.read (entry.document);
        EXPECT_FLOAT_EQ (processor.value ("Bypass"), entry.bypass);
        EXPECT_FLOAT_EQ (processor.value ("Mix"), entry.mix);
        EXPECT_FLOAT_EQ (processor.value ("Other"), untouched);
    }
}

TEST (StateDocument, BytesAreTakenAsHostsPassThem)
{
    const char document[] =
        "<state><param id=\"Mix\" val=\"0.5\"/></state>\0<state><param id=\"Mix\" val=\"1\"/></state>";
    struct Case
    {
        const char* label;
        const void* data;
        int size;
        float mix;
    };
    const char zeroFirst[] = "\0<state><param id=\"Mix\" val=\"0.5\"/></state>";
    const Case cases[] = {
        { "a null pointer", nullptr, 100, untouched },
        { "a size of 0", document, 0, untouched },
        { "a first byte of zero", zeroFirst, static_cast<int> (sizeof (zeroFirst)), untouched },
        { "a negative size runs to the zero byte", document, -1, 0.5f },
        { "a size that cuts the document", document, 20, untouched },
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE (entry.label);
        StateProcessor processor ({ "Mix" });
        processor.setAll (untouched);
        processor.setStateInformation (entry.data, entry.size);
        EXPECT_FLOAT_EQ (processor.value ("Mix"), entry.mix);
    }
}

TEST (StateDocument, ReadingNotifiesListenersWithoutAGesture)
{
    struct Listener final : juce::AudioProcessorParameter::Listener
    {
        void parameterValueChanged (int, float newValue) override { values.push_back (newValue); }
        void parameterGestureChanged (int, bool) override { ++gestures; }
        std::vector<float> values;
        int gestures = 0;
    } listener;

    StateProcessor processor ({ "Mix" });
    processor.findParameter ("Mix")->addListener (&listener);
    processor.read ("<state><param id=\"Mix\" val=\"0.5\"/></state>");
    processor.findParameter ("Mix")->removeListener (&listener);
    EXPECT_EQ (listener.values, std::vector<float>{ 0.5f });
    EXPECT_EQ (listener.gestures, 0);
}

TEST (StateDocument, SavingAppendsToTheBytesAlreadyInTheBlock)
{
    StateProcessor processor ({ "Mix" });
    juce::MemoryBlock block ("prefix", 6);
    processor.getStateInformation (block);
    const auto text = block.toString();
    EXPECT_TRUE (text.startsWith ("prefix<?xml"));
    EXPECT_TRUE (text.endsWith ("</state>\r\n"));
}

TEST (StateDocument, FuzzedDocumentsNeverLeaveAValueThatIsNotFinite)
{
    StateProcessor source ({ "Bypass", "Mix", "Other" });
    source.setAll (0.5f);
    const auto valid = source.write();
    const juce::String alphabet ("<>/=\" \0xmlparamstatevaliduid0123456789.-+eEinfa&;", 49);

    std::mt19937 random (20261211);
    for (int round = 0; round < 2000; ++round)
    {
        auto text = valid;
        const auto edits = 1 + static_cast<int> (random() % 8);
        for (int e = 0; e < edits; ++e)
        {
            const auto position = static_cast<int> (random() % static_cast<unsigned> (text.length() + 1));
            const auto character = juce::String::charToString (
                alphabet[static_cast<int> (random() % static_cast<unsigned> (alphabet.length()))]);
            switch (random() % 3)
            {
                case 0:
                    text = text.substring (0, position) + character + text.substring (position);
                    break;
                case 1:
                    text = text.substring (0, position) + text.substring (position + 1);
                    break;
                default:
                    text = text.substring (0, position) + character + text.substring (position + 1);
                    break;
            }
        }
        StateProcessor target ({ "Bypass", "Mix", "Other" });
        target.read (text);
        for (const auto* id : { "Bypass", "Mix", "Other" })
            ASSERT_TRUE (std::isfinite (target.value (id))) << text;
    }
}
