#pragma once

#include "Parameter.h"

namespace exl
{
struct BoolParameterOptions;

// A switch: range 0 to 1, text "true" above 0.5 unless the options bring their own text function.
class BoolParameter : public Parameter
{
public:
    explicit BoolParameter (const BoolParameterOptions& options);

    int getNumSteps() const override { return 1; }
};
} // namespace exl
