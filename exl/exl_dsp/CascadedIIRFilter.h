#pragma once

#include <boost/describe/enum.hpp>

namespace exl::dsp
{
// A cascade of second-order sections.
class CascadedIIRFilter
{
public:
    enum class Type
    {
        LowPass,
        HighPass,
        BandPass,
        BandStop
    };
    BOOST_DESCRIBE_NESTED_ENUM (Type, LowPass, HighPass, BandPass, BandStop)
};
} // namespace exl::dsp
