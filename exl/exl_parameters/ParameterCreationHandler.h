#pragma once

#include "ParameterDirector.h"

namespace exl
{
// Builds the parameter that a record describes; where it goes is the subclass's choice.
class ParameterFactory
{
public:
    static std::unique_ptr<Parameter> create (const FloatParameterOptions& options);
    static std::unique_ptr<Parameter> create (const IntParameterOptions& options);
    static std::unique_ptr<Parameter> create (const BoolParameterOptions& options);
    static std::unique_ptr<Parameter> create (const ChoiceParameterOptions& options);
};
} // namespace exl
