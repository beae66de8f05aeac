#include "parameters/ChoiceLists.h"
#include "effects/DistortionType.h"
#include "effects/IEffectProcessor.h"
#include "modulation/LfoShape.h"
#include "modulation/TempoSyncUtility.h"
#include "modulation/Transform.h"
#include "modulation/VectorSpaceShapes.h"

#include <exl_dsp/exl_dsp.h>
#include <gtest/gtest.h>

using cvl::ParameterHelpers::enumToStringArray;

TEST (ChoiceLists, EnumerationTextsHaveASpaceBeforeEveryCapital)
{
    const std::pair<juce::StringArray, const char*> cases[] = {
        { enumToStringArray<cvl::IEffectProcessor::Type>(),
          " None| Allpass| Balance| Delay| Diffuser| Distortion| Filter" },
        { enumToStringArray<cvl::DistortionType>(),
          " Bitcrush| Sample And Hold| Soft Clip| Hard Clip| Sine| Rectify" },
        { enumToStringArray<exl::dsp::CascadedIIRFilter::Type>(),
          " Low Pass| High Pass| Band Pass| Band Stop" },
        { enumToStringArray<cvl::VectorSpaceShapes>(),
          " Circle| Horizontal| Vertical| Identity| Inverse| Curves| Pyramid" },
        { enumToStringArray<cvl::Transform::Type>(),
          " None| Translate| Scale| Rotate| Modulo| Cosine| Swirl| Warp" },
        { enumToStringArray<cvl::LfoShape>(), " Sine| Cosine| Bounce| Square| Saw| Triangle" },
        { enumToStringArray<cvl::TempoSyncUtility::Type>(), " Free| Standard| Triplet" },
    };
    for (const auto& [texts, expected] : cases)
        EXPECT_EQ (texts.joinIntoString ("|"), expected);
}

TEST (ChoiceLists, FixedListsHaveNoLeadingSpace)
{
    EXPECT_EQ (cvl::ChoiceLists::allpassOrders().joinIntoString ("|"), "1 Stage|2 Stage|3 Stage|4 Stage");
    EXPECT_EQ (cvl::ChoiceLists::filterOrders().joinIntoString ("|"), "12 dB/octave|24 dB/octave");
}

TEST (ChoiceLists, IndexOutsideAnEnumerationFallsBackToTheFirst)
{
    using cvl::ParameterHelpers::enumFromIndex;
    EXPECT_EQ (enumFromIndex<cvl::LfoShape> (5), cvl::LfoShape::Triangle);
    EXPECT_EQ (enumFromIndex<cvl::LfoShape> (6), cvl::LfoShape::Sine);
    EXPECT_EQ (enumFromIndex<cvl::LfoShape> (-1), cvl::LfoShape::Sine);
}
