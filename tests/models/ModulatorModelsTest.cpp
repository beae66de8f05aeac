#include "models/ModulationsModel.h"
#include "models/MonoModulatorsModel.h"
#include "models/PolyModulatorsModel.h"

#include <gtest/gtest.h>

#include "FakeComponentData.h"
#include "support/MouseEvents.h"

namespace
{
using cvl::MonoModulatorId;
using cvl::PolyModulatorId;

struct FakeSource : cvl::IMonoModulatorValuesAccess, cvl::IPolyModulatorValuesAccess
{
    cvl::MonoModulators::ValueTable mono{};
    cvl::PolyModulators::ValueTable initial{};
    cvl::PolyModulators::ValueTable transformed{};

    void fillMonoModulationValueTable (cvl::MonoModulators::ValueTable& out) override { out = mono; }
    void fillTransformedPolyModulationValueTable (cvl::PolyModulators::ValueTable& out,
                                                  PolyModulatorId id) override
    {
        out[cvl::PolyModulators::index (id)] = transformed[cvl::PolyModulators::index (id)];
    }
    void fillInitialPolyModulationValueTable (cvl::PolyModulators::ValueTable& out,
                                              PolyModulatorId id) override
    {
        out[cvl::PolyModulators::index (id)] = initial[cvl::PolyModulators::index (id)];
    }
};

TEST (MonoModulatorsModel, PublishesValuesByIndexAndStillValuesNotifyNobody)
{
    FakeSource source;
    cvl::MonoModulatorsModel model (source);
    auto tree = model.getTree();
    EXPECT_EQ (tree.getType().toString(), "CorvaneMonoModulatorsModel");

    cvl::test::FakeComponentData data;
    data.mono = tree;
    cvl::MonoModulatorsModel::Listener listener (data, cvl::ParameterId::fromString ("Frequency_Lfo2"));
    int calls = 0;
    listener.onChange = [&] { ++calls; };

    source.mono[6] = 0.25f; // Lfo3
    model.timerCallback();
    EXPECT_DOUBLE_EQ (static_cast<double> (tree["6"]), 0.25);
    EXPECT_EQ (tree.getNumProperties(), 10);
    const auto afterFirst = calls;
    model.timerCallback();
    EXPECT_EQ (calls, afterFirst) << "an LFO at rest calls no listener";
    EXPECT_FLOAT_EQ (listener.getValues()[6], 0.25f);
}

TEST (MonoModulatorsModelListener, MultipliesValuesByAmountsAndSkipsTheModulatorItself)
{
    cvl::test::FakeComponentData data;
    // Amount parameters are normalised: 0.5 is no modulation, 1 is +1, 0 is -1.
    data.parameters.setProperty ("Frequency_Lfo1_Macro2", 1.0, nullptr);
    data.parameters.setProperty ("Frequency_Lfo1_Lfo3", 0.0, nullptr);
    data.parameters.setProperty ("Frequency_Lfo1_Lfo4", 0.5, nullptr);
    data.parameters.setProperty ("Frequency_Lfo1_Lfo1", 1.0, nullptr);
    cvl::MonoModulatorsModel::Listener listener (data, cvl::ParameterId::fromString ("Frequency_Lfo1"));
    int calls = 0;
    listener.onChange = [&] { ++calls; };

    for (int k = 0; k < 10; ++k)
        data.mono.setProperty (juce::String (k), 0.5, nullptr);
    const auto& products = listener.getProducts();
    EXPECT_FLOAT_EQ (products[1], 0.5f);  // Macro2, amount +1
    EXPECT_FLOAT_EQ (products[6], -0.5f); // Lfo3, amount -1
    EXPECT_FLOAT_EQ (products[7], 0.0f);  // Lfo4, amount 0
    EXPECT_FLOAT_EQ (products[4], 0.0f) << "Frequency_Lfo1_Lfo1 is not followed";
    EXPECT_FLOAT_EQ (products[0], 0.0f) << "an absent amount is no modulation";
    EXPECT_EQ (calls, 10);

    data.parameters.setProperty ("Frequency_Lfo1_Lfo1", 0.0, nullptr);
    data.parameters.setProperty ("Other", 0.0, nullptr);
    EXPECT_EQ (calls, 10);
    data.parameters.setProperty ("Frequency_Lfo1_Macro1", 0.75, nullptr);
    EXPECT_FLOAT_EQ (products[0], 0.25f);
    EXPECT_EQ (calls, 11);
}

TEST (PolyModulatorsModel, CopiesBothTablesRowByRow)
{
    FakeSource source;
    source.transformed[3][2] = 0.5f;
    source.initial[5][15] = -0.25f;
    cvl::PolyModulatorsModel model (source);
    EXPECT_EQ (model.readTransformed (PolyModulatorId::VectorSpace2Y)[2], 0.0f);
    model.timerCallback();
    EXPECT_EQ (model.readTransformed (PolyModulatorId::VectorSpace2Y)[2], 0.5f);
    EXPECT_EQ (model.readInitial (PolyModulatorId::VectorSpace3Y)[15], -0.25f);
    source.transformed[0][1] = 0.75f;
    model.timerCallback();
    EXPECT_EQ (model.readTransformed (static_cast<PolyModulatorId> (9))[1], 0.75f);
}

TEST (ModulationsModel, HoveringEmphasisesTheListenersModulatorsAndStatesFollow)
{
    cvl::ModulationsModel model;
    cvl::test::FakeComponentData data;
    data.modulations = model.getTree();
    EXPECT_FALSE (static_cast<bool> (data.modulations["Lfo6"]));
    EXPECT_TRUE (data.modulations.hasProperty ("Macro1"));

    cvl::ModulationsModel::State state (data.modulations);
    juce::StringArray reports;
    state.onChange = [&]
    { reports.add (juce::String (state.isEmphasized (PolyModulatorId::VectorSpace2Y) ? "on" : "off")); };

    juce::Component control;
    cvl::ModulationsModel::MouseListener poly (data, PolyModulatorId::VectorSpace2Y);
    poly.mouseEnter (cvl::test::mouseEvent (control, {}));
    EXPECT_TRUE (static_cast<bool> (data.modulations["VectorSpace2Y"]));
    poly.mouseExit (cvl::test::mouseEvent (control, {}));
    EXPECT_FALSE (static_cast<bool> (data.modulations["VectorSpace2Y"]));
    EXPECT_EQ (reports.joinIntoString (","), "on,off");

    struct Case
    {
        const char* parameter;
        bool useSecondPart;
        const char* emphasised;
    };
    const Case cases[] = { { "Frequency_Lfo3_Macro2", true, "Lfo3" },
                           { "Frequency_Lfo3_Macro2", false, "Macro2" },
                           { "DelayTime0_Effect_VectorSpace1X", false, "VectorSpace1X" } };
    for (const auto& c : cases)
    {
        cvl::ModulationsModel::MouseListener listener (data, c.parameter, c.useSecondPart);
        listener.mouseEnter (cvl::test::mouseEvent (control, {}));
        juce::StringArray on;
        for (int i = 0; i < data.modulations.getNumProperties(); ++i)
            if (static_cast<bool> (data.modulations[data.modulations.getPropertyName (i)]))
                on.add (data.modulations.getPropertyName (i).toString());
        EXPECT_EQ (on.joinIntoString (","), c.emphasised) << c.parameter;
        listener.mouseExit (cvl::test::mouseEvent (control, {}));
    }
}
} // namespace
