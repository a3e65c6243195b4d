#pragma once
// The calculation of each catalogue function at working precision.

#include "engine/expression_engine.h"
#include "engine/function_id.h"

namespace vantorel {

// The value of function `id` for the arguments `a` (and `b` for the two-argument
// functions) with angles in `mode`. Throws CalculationError where the function has no
// real value, divides by zero or leaves the long double range; never gives an infinity
// or a NaN.
long double CalculateFunction(FunctionId id, long double a, long double b, AngleMode mode);

}  // namespace vantorel
