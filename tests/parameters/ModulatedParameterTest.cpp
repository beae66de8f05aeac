#include "parameters/ModulatedParameter.h"
#include "modulation/DirectorCallbacks.h"
#include "modulation/ModulationOwners.h"
#include "parameters/ParameterTextFunctions.h"

#include <gtest/gtest.h>

using cvl::ModulatedParameter;
using cvl::MonoModulators;

namespace
{
using Table = MonoModulators::ValueTable;

// The modulated value from its definition: the first amount's product plus the base, then the other
// nine products one by one, every step rounded to single precision, and the sum held to -1 ... 1.
float referenceModulatedValue (float base, const Table& amounts, const Table& mono)
{
    float sum = amounts[0] * mono[0] + base;
    for (std::size_t k = 1; k < amounts.size(); ++k)
        sum += amounts[k] * mono[k];
    return std::min (1.0f, std::max (-1.0f, sum));
}

// One modulated parameter on its own director, with its base and amounts set the way the dispatch
// sets them.
struct ParameterFixture
{
    cvl::ParameterDirector director;
    ModulatedParameter parameter{
        director, { "SpreadAmount", "Lfo2", {} }, 0.8f, cvl::ParameterTextFunctions::Percent
    };

    void setBase (float value) { cvl::test::callChange (director, "SpreadAmount_Lfo2", value); }
    void setAmount (cvl::MonoModulatorId id, float value)
    {
        cvl::test::callChange (director, "SpreadAmount_Lfo2_" + MonoModulators::nameString (id), value);
    }
    void setAmounts (const Table& amounts)
    {
        for (const auto& [id, name] : MonoModulators::IdNameArray)
            setAmount (id, amounts[MonoModulators::index (id)]);
    }
};

Table randomTable (juce::Random& random, float low, float high)
{
    Table table{};
    for (auto& value : table)
        value = low + (high - low) * random.nextFloat();
    return table;
}
} // namespace

TEST (ModulatedParameter, RegistersAHostVisibleBaseAndTenInternalAmounts)
{
    ParameterFixture f;
    const auto& floats = f.director.external.getFloatOptions();
    ASSERT_EQ (floats.size(), 1u);
    EXPECT_TRUE (f.director.external.getBoolOptions().empty());
    EXPECT_TRUE (f.director.external.getChoiceOptions().empty());
    const auto& base = floats.front();
    EXPECT_EQ (base.identifier.toString(), "SpreadAmount_Lfo2");
    EXPECT_EQ (base.range.start, -1.0f);
    EXPECT_EQ (base.range.end, 1.0f);
    EXPECT_EQ (base.range.interval, 0.0f);
    EXPECT_EQ (base.range.skew, 1.0f);
    EXPECT_EQ (base.defaultValue, 0.8f);
    EXPECT_EQ (base.name, "SpreadAmount");
    EXPECT_EQ (base.caption, "Spread Amount");
    EXPECT_TRUE (base.label.isEmpty());
    ASSERT_TRUE (static_cast<bool> (base.textFunction));
    const exl::Parameter probe (base.identifier, base.name, base.caption, {}, base.range, base.defaultValue,
                                {}, {}, {}, 1);
    for (const auto v : { 0.0f, 0.25f, 0.5f, 1.0f })
        EXPECT_EQ (base.textFunction (probe, v), cvl::ParameterTextFunctions::Percent (probe, v));

    const auto& amounts = f.director.internal.getFloatOptions();
    ASSERT_EQ (amounts.size(), MonoModulators::Count);
    for (std::size_t i = 0; i < amounts.size(); ++i)
    {
        const auto& amount = amounts[i];
        const auto modulatorName = MonoModulators::nameString (MonoModulators::IdNameArray[i].first);
        EXPECT_EQ (amount.identifier.toString(), "SpreadAmount_Lfo2_" + modulatorName);
        EXPECT_EQ (amount.range.start, -1.0f);
        EXPECT_EQ (amount.range.end, 1.0f);
        EXPECT_EQ (amount.range.interval, 0.0f);
        EXPECT_EQ (amount.range.skew, 1.0f);
        EXPECT_EQ (amount.defaultValue, 0.0f);
        EXPECT_TRUE (amount.name.isEmpty());
        EXPECT_TRUE (amount.caption.isEmpty());
        EXPECT_FALSE (static_cast<bool> (amount.textFunction));
        EXPECT_TRUE (static_cast<bool> (amount.changeCallback));
    }
    EXPECT_TRUE (f.director.internal.getBoolOptions().empty());
    EXPECT_TRUE (f.director.internal.getChoiceOptions().empty());
}

TEST (ModulatedParameter, StartsFromZeroUntilTheDispatchHandsItsValuesIn)
{
    ParameterFixture f;
    const Table everything{ 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 };
    EXPECT_EQ (f.parameter.getBase(), 0.0f); // not the default of 0.8
    EXPECT_EQ (f.parameter.getModulatedValue (everything), 0.0f);
    f.setBase (0.8f);
    EXPECT_EQ (f.parameter.getModulatedValue (everything), 0.8f);
}

TEST (ModulatedParameter, EachAmountCallbackStoresOnlyItsOwnModulator)
{
    for (const auto& [id, name] : MonoModulators::IdNameArray)
    {
        ParameterFixture f;
        f.setAmount (id, -0.625f);
        for (std::size_t k = 0; k < MonoModulators::Count; ++k)
            EXPECT_EQ (f.parameter.getAmounts()[k], k == MonoModulators::index (id) ? -0.625f : 0.0f) << name;
        EXPECT_EQ (f.parameter.getBase(), 0.0f);
    }
}

TEST (ModulatedParameter, SumsBaseAndAmountsInOrderInSinglePrecisionAndClamps)
{
    juce::Random random (5);
    ParameterFixture f;
    for (int trial = 0; trial < 2000; ++trial)
    {
        const auto base = random.nextFloat() * 2.0f - 1.0f;
        // Small amounts keep most sums inside the range so that the rounding shows; large ones clamp.
        const auto spread = trial % 2 == 0 ? 0.15f : 1.0f;
        const auto amounts = randomTable (random, -spread, spread);
        const auto mono = randomTable (random, -1.0f, 1.0f);
        f.setBase (base);
        f.setAmounts (amounts);
        ASSERT_EQ (f.parameter.getModulatedValue (mono), referenceModulatedValue (base, amounts, mono))
            << "trial " << trial;
    }
}

TEST (ModulatedParameter, NamedSumsBehaveAsDescribed)
{
    struct Case
    {
        const char* what;
        float base;
        Table amounts, mono;
        float expected;
    };
    const Case cases[] = {
        { "base 0.8, Macro1 amount 0.5 at +1 clamps at 1", 0.8f, { 0.5f }, { 1.0f }, 1.0f },
        { "base 0.8, Macro1 amount 0.5 at -1", 0.8f, { 0.5f }, { -1.0f }, 0.3f },
        { "the lower end clamps too",
          -0.5f,
          { 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.0f },
          { 0, 0, 0, 0, 0, 0, 0, 0, 0, -0.75f },
          -1.0f },
        { "lowest base without amounts", -1.0f, {}, { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 }, -1.0f },
        // Added in the stated order the first product is lost to the base before the second cancels it;
        // summing the products first would leave 1e-8.
        { "the first product meets the base first", 0.5f, { 1.0f, 1.0f }, { 1e-8f, -0.5f }, 0.0f },
        { "a negative amount turns the modulator over",
          0.0f,
          { 0, 0, 0, 0, -1.0f },
          { 0, 0, 0, 0, 0.4f },
          -0.4f },
    };
    for (const auto& c : cases)
    {
        ParameterFixture f;
        f.setBase (c.base);
        f.setAmounts (c.amounts);
        EXPECT_FLOAT_EQ (f.parameter.getModulatedValue (c.mono), c.expected) << c.what;
    }
}

TEST (ModulatedParameter, StoredAmountsAreNormalisedAroundTheCentre)
{
    ParameterFixture f;
    const auto& amount = f.director.internal.getFloatOptions().front();
    const exl::Parameter parameter (amount.identifier, amount.name, amount.caption, amount.label,
                                    amount.range, amount.defaultValue, {}, {}, {}, 1);
    EXPECT_EQ (parameter.getDefaultValue(), 0.5f);
    EXPECT_EQ (amount.range.convertFrom0to1 (0.5f), 0.0f);
    EXPECT_EQ (amount.range.convertFrom0to1 (1.0f), 1.0f);
    EXPECT_EQ (amount.range.convertFrom0to1 (0.0f), -1.0f);
}

TEST (ModulatedParameter, EveryAmountReachesOnlyItsOwnParameterAndModulator)
{
    cvl::test::ModulationOwners owners;
    // Distinct modulator values, so that an amount wired to the wrong modulator shows.
    Table mono{};
    for (std::size_t k = 0; k < mono.size(); ++k)
        mono[k] = 0.05f + 0.08f * static_cast<float> (k);

    // The 36 modulated values, in -1 ... 1: Frequency and Scale of LFO 1 ... 6, then X and Y of the
    // transforms of vector space 1 ... 3. The LFO's rate and scale hold (u + 1) / 2 on their scales.
    const auto modulated = [&owners]
    {
        std::vector<float> values;
        for (const auto& lfo : owners.lfos)
        {
            values.push_back (2.0f * cvl::TempoSyncUtility::HzRange.convertTo0to1 (lfo.getFrequency()) -
                              1.0f);
            values.push_back (2.0f * lfo.getScale() - 1.0f);
        }
        for (const auto& space : owners.spaces)
            for (const auto& transform : space.transforms)
            {
                values.push_back (transform.x);
                values.push_back (transform.y);
            }
        return values;
    };
    const auto slotOf = [] (const cvl::ParameterId& id) -> std::size_t
    {
        if (id.modClass.startsWith ("Lfo"))
            return 2 * static_cast<std::size_t> (id.modClass.getTrailingIntValue() - 1) +
                   (id.name == "Scale" ? 1 : 0);
        const auto space = static_cast<std::size_t> (
            id.modClass.fromFirstOccurrenceOf ("VectorSpace", false, false).getIntValue());
        const auto transform = static_cast<std::size_t> (id.modClass.getTrailingIntValue());
        return 12 + 2 * (4 * (space - 1) + (transform - 1)) + (id.name == "Y" ? 1 : 0);
    };

    owners.applyModulators (mono);
    const auto unmodulated = modulated();
    ASSERT_EQ (unmodulated.size(), 36u);

    std::set<std::pair<std::size_t, juce::String>> seen;
    const auto& amounts = owners.director.internal.getFloatOptions();
    ASSERT_EQ (amounts.size(), 360u);
    for (const auto& amount : amounts)
    {
        const auto id = cvl::ParameterId::fromString (amount.identifier.toString());
        const auto modulator = MonoModulators::fromName (id.modulator.toStdString());
        ASSERT_TRUE (modulator.has_value()) << id.toString();
        const auto slot = slotOf (id);
        EXPECT_TRUE (seen.insert ({ slot, id.modulator }).second) << id.toString();

        amount.changeCallback (1.0f);
        owners.applyModulators (mono);
        auto expected = unmodulated;
        expected[slot] = mono[MonoModulators::index (*modulator)];
        const auto actual = modulated();
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_NEAR (actual[i], expected[i], 1e-5f) << id.toString() << " moved value " << i;
        amount.changeCallback (0.0f);
    }
    EXPECT_EQ (seen.size(), 360u);
}
