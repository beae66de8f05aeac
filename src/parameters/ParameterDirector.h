#pragma once

#include <exl_parameters/exl_parameters.h>

namespace cvl
{
// The pair of directors every parameter-owning constructor receives: host-visible parameters and
// internal ones (the modulation amounts).
struct ParameterDirector
{
    exl::ParameterDirector external;
    exl::ParameterDirector internal;
};
} // namespace cvl
