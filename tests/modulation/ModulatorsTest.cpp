#include "modulation/Modulators.h"

#include <gtest/gtest.h>

using cvl::MonoModulatorId;
using cvl::MonoModulators;
using cvl::PolyModulatorId;
using cvl::PolyModulators;

TEST (Modulators, NameTablesSpellTheEnumerators)
{
    juce::StringArray mono, poly;
    for (const auto& [id, name] : MonoModulators::IdNameArray)
        mono.add (juce::String (name.data(), name.size()));
    for (const auto& [id, name] : PolyModulators::IdNameArray)
        poly.add (juce::String (name.data(), name.size()));
    EXPECT_EQ (mono.joinIntoString (","), "Macro1,Macro2,Macro3,Macro4,Lfo1,Lfo2,Lfo3,Lfo4,Lfo5,Lfo6");
    EXPECT_EQ (poly.joinIntoString (","),
               "VectorSpace1X,VectorSpace1Y,VectorSpace2X,VectorSpace2Y,VectorSpace3X,VectorSpace3Y");
    for (std::size_t i = 0; i < MonoModulators::Count; ++i)
        EXPECT_EQ (static_cast<std::size_t> (MonoModulators::IdNameArray[i].first), i);
}

TEST (Modulators, NamesAndEnumeratorsMapBothWays)
{
    EXPECT_EQ (MonoModulators::name (MonoModulatorId::Lfo3), "Lfo3");
    EXPECT_EQ (PolyModulators::name (PolyModulatorId::VectorSpace3X), "VectorSpace3X");
    EXPECT_EQ (MonoModulators::fromName ("Lfo3"), MonoModulatorId::Lfo3);
    EXPECT_EQ (PolyModulators::fromName ("VectorSpace2Y"), PolyModulatorId::VectorSpace2Y);
    EXPECT_FALSE (MonoModulators::fromName ("Lfo7").has_value());
}

TEST (Modulators, TableShapes)
{
    EXPECT_EQ (MonoModulators::ValueTable{}.size(), 10u);
    EXPECT_EQ (PolyModulators::ValueTable{}.size(), 6u);
    EXPECT_EQ (PolyModulators::ValueTable{}[0].size(), 16u);
    EXPECT_EQ (PolyModulators::AtomicValueTable{}[5].size(), 16u);
}
