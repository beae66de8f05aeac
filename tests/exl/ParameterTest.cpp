#include <exl_parameters/exl_parameters.h>

#include <gtest/gtest.h>

namespace
{
exl::Parameter makeFloat (juce::NormalisableRange<float> range, float defaultValue)
{
    return exl::Parameter ("Float", "Float", "", "", range, defaultValue, {}, {}, {}, 1);
}

exl::BoolParameterOptions boolOptions (bool defaultValue)
{
    exl::BoolParameterOptions options;
    options.identifier = "Switch";
    options.defaultValue = defaultValue;
    return options;
}

exl::ChoiceParameter makeChoice (const juce::StringArray& choices, int defaultIndex = 0)
{
    return exl::ChoiceParameter ("Choice", "", "", "", choices, defaultIndex, {}, 1);
}
} // namespace

TEST (Parameter, StoresTheDefaultNormalisedAndClamped)
{
    EXPECT_FLOAT_EQ (makeFloat ({ -1.0f, 1.0f }, 0.0f).getDefaultValue(), 0.5f);
    EXPECT_FLOAT_EQ (makeFloat ({ 1.0f, 16.0f }, 8.0f).getDefaultValue(), 7.0f / 15.0f);
    EXPECT_FLOAT_EQ (makeFloat ({ 0.0f, 1.0f }, 3.0f).getDefaultValue(), 1.0f);
    EXPECT_FLOAT_EQ (makeFloat ({ -1.0f, 1.0f }, 0.0f).getValue(), 0.5f);
}

TEST (Parameter, SetValueStoresAnyValueUnclamped)
{
    auto parameter = makeFloat ({ 0.0f, 1.0f }, 0.0f);
    parameter.setValue (1.5f);
    EXPECT_FLOAT_EQ (parameter.getValue(), 1.5f);
}

TEST (Parameter, DefaultTextHasOneDecimalAndDefaultParseReadsTheNumber)
{
    auto parameter = makeFloat ({ -1.0f, 1.0f }, 0.0f);
    EXPECT_EQ (parameter.getText (0.5f, 100), "0.5");
    EXPECT_EQ (parameter.getText (0.26f, 100), "0.3");
    EXPECT_FLOAT_EQ (parameter.getValueForText ("0.75"), 0.75f);
}

TEST (Parameter, TextAndParseFunctionsTakeOver)
{
    exl::Parameter parameter (
        "P", "P", "", "", { 0.0f, 10.0f }, 5.0f,
        [] (const exl::Parameter& p, float v)
        { return juce::String (p.getNormalisableRange().convertFrom0to1 (v)) + " units"; },
        [] (const exl::Parameter&, const juce::String&) { return 0.25f; }, {}, 1);
    EXPECT_EQ (parameter.getText (0.5f, 2), "5 units"); // the maximum length is not applied
    EXPECT_FLOAT_EQ (parameter.getValueForText ("anything"), 0.25f);
}

TEST (Parameter, FrameworkAttributes)
{
    exl::Parameter parameter ("Mix", "Mix name", "Caption", "", { 0.0f, 1.0f }, 1.0f, {}, {}, {}, 1);
    EXPECT_EQ (parameter.getParameterID(), "Mix");
    EXPECT_EQ (parameter.getName (100), "Mix name");
    EXPECT_EQ (parameter.getCaption(), "Caption");
    EXPECT_EQ (parameter.getLabel(), "");
    EXPECT_TRUE (parameter.isAutomatable());
    EXPECT_FALSE (parameter.isMetaParameter());
    EXPECT_EQ (parameter.getCategory(), juce::AudioProcessorParameter::genericParameter);
}

TEST (Parameter, DispatchFiresOnChangeWithTheClampedDenormalisedValue)
{
    std::vector<float> received;
    exl::Parameter parameter (
        "P", "P", "", "", { -1.0f, 1.0f }, 0.0f, {}, {}, [&] (float v) { received.push_back (v); }, 1);
    parameter.dispatchChange(); // first visit: fires with the default
    parameter.dispatchChange(); // unchanged: silent
    parameter.setValue (1.5f);  // clamped to 1, mapped to +1
    parameter.dispatchChange();
    parameter.setValue (0.25f);
    parameter.dispatchChange();
    ASSERT_EQ (received.size(), 3u);
    EXPECT_FLOAT_EQ (received[0], 0.0f);
    EXPECT_FLOAT_EQ (received[1], 1.0f);
    EXPECT_FLOAT_EQ (received[2], -0.5f);
}

TEST (Parameter, DispatchDoesNotSnapToTheInterval)
{
    float received = -1.0f;
    exl::Parameter parameter (
        "P", "P", "", "", { 0.0f, 6.0f, 1.0f }, 0.0f, {}, {}, [&] (float v) { received = v; }, 1);
    parameter.setValue (0.3f);
    parameter.dispatchChange();
    EXPECT_FLOAT_EQ (received, 1.8f);
}

TEST (Parameter, DispatchIgnoresValuesThatAreNotNumbers)
{
    int calls = 0;
    exl::Parameter parameter (
        "P", "P", "", "", { 0.0f, 1.0f }, 0.0f, {}, {}, [&] (float) { ++calls; }, 1);
    parameter.dispatchChange();
    parameter.setValue (std::numeric_limits<float>::quiet_NaN());
    parameter.dispatchChange();
    parameter.setValue (std::numeric_limits<float>::infinity());
    parameter.dispatchChange();
    EXPECT_EQ (calls, 1);
}

TEST (BoolParameter, DefaultTextsParseAndSteps)
{
    exl::BoolParameter off (boolOptions (false));
    exl::BoolParameter on (boolOptions (true));
    EXPECT_FLOAT_EQ (off.getDefaultValue(), 0.0f);
    EXPECT_FLOAT_EQ (on.getDefaultValue(), 1.0f);
    EXPECT_EQ (off.getText (0.6f, 100), "true");
    EXPECT_EQ (off.getText (0.5f, 100), "false");
    EXPECT_FLOAT_EQ (off.getValueForText ("true"), 1.0f);
    EXPECT_FLOAT_EQ (off.getValueForText ("True"), 0.0f);
    EXPECT_FLOAT_EQ (off.getValueForText ("yes"), 0.0f);
    EXPECT_EQ (off.getNumSteps(), 1);
    EXPECT_FALSE (off.isBoolean());
    EXPECT_FALSE (off.isDiscrete());
}

TEST (ChoiceParameter, TextsByNearestIndexAndMaximumLength)
{
    auto choice = makeChoice ({ " None", " Allpass", " Balance" });
    EXPECT_EQ (choice.getText (0.0f, 1000), " None");
    EXPECT_EQ (choice.getText (0.24f, 1000), " None");
    EXPECT_EQ (choice.getText (0.25f, 1000), " Allpass"); // index 0.5 rounds away from zero
    EXPECT_EQ (choice.getText (1.0f, 1000), " Balance");
    EXPECT_EQ (choice.getText (1.0f, 1), "");
    EXPECT_EQ (choice.getText (1.0f, 4), " Ba");
    EXPECT_EQ (choice.getTextFunction() (choice, 0.5f), " Allpass");
}

TEST (ChoiceParameter, ParsesExactChoicesAndFallsBackToTheFirst)
{
    auto choice = makeChoice ({ " None", " Allpass", " Balance" });
    EXPECT_FLOAT_EQ (choice.getValueForText (" Balance"), 1.0f);
    EXPECT_FLOAT_EQ (choice.getValueForText (" Allpass"), 0.5f);
    EXPECT_FLOAT_EQ (choice.getValueForText ("Delay"), 0.0f);
    EXPECT_FLOAT_EQ (choice.getValueForText (" balance"), 0.0f);
}

TEST (ChoiceParameter, RangeDefaultAndSteps)
{
    auto choice = makeChoice ({ "a", "b", "c", "d", "e", "f", "g" }, 3);
    EXPECT_FLOAT_EQ (choice.getDefaultValue(), 0.5f);
    EXPECT_TRUE (choice.isDiscrete());
    EXPECT_EQ (choice.getNumSteps(), 7);
    EXPECT_FLOAT_EQ (choice.getNormalisableRange().interval, 1.0f);
}

TEST (ParameterDirector, KeepsEachKindInDeclarationOrderAndCreatesKindByKind)
{
    exl::ParameterDirector director;
    director.addChoice ("C1", { "a", "b" }, 1);
    director.addBool ("B1", true);
    director.addFloat ("F1", { 0.0f, 1.0f }, 0.5f).name = "First";
    director.addFloat ("F2", { 0.0f, 1.0f }, 0.5f);
    auto& whole = director.getIntOptions().emplace_back();
    whole.identifier = "I1";
    whole.minimum = 1;
    whole.maximum = 16;
    whole.defaultValue = 8;

    struct Recorder final : exl::IParameterCreationHandler
    {
        juce::StringArray order;
        void createParameter (const exl::FloatParameterOptions& o) override
        {
            order.add (o.identifier.toString());
        }
        void createParameter (const exl::IntParameterOptions& o) override
        {
            order.add (o.identifier.toString());
        }
        void createParameter (const exl::BoolParameterOptions& o) override
        {
            order.add (o.identifier.toString());
        }
        void createParameter (const exl::ChoiceParameterOptions& o) override
        {
            order.add (o.identifier.toString());
        }
    } recorder;
    director.createParameters (recorder);

    EXPECT_EQ (recorder.order.joinIntoString (","), "F1,F2,I1,B1,C1");
    EXPECT_EQ (director.getFloatOptions().front().name, "First");
    EXPECT_EQ (director.getFloatOptions().front().versionHint, 1);
}

TEST (ParameterFactory, WholeNumbersAreContinuous)
{
    exl::IntParameterOptions options;
    options.identifier = "VoiceCount";
    options.minimum = 1;
    options.maximum = 16;
    options.defaultValue = 8;
    const auto parameter = exl::ParameterFactory::create (options);
    EXPECT_FLOAT_EQ (parameter->getNormalisableRange().interval, 0.0f);
    EXPECT_NEAR (parameter->getDefaultValue(), 0.466667f, 1e-6f);
}
