#pragma once
// The calculation of each catalogue function at working precision.

#include <cmath>

#include "engine/expression_engine.h"
#include "engine/function_id.h"
#include "engine/instruction.h"
#include "engine/messages.h"
#include "engine/operations.h"

namespace vantorel {

// The value of function `id` for the arguments `a` (and `b` for the two-argument
// functions) with angles in `mode`. Throws CalculationError where the function has no
// real value, divides by zero or leaves the long double range; never gives an infinity
// or a NaN.
long double CalculateFunction(FunctionId id, long double a, long double b, AngleMode mode);

inline long double SquareRoot(long double a) {
  if (a < 0) [[unlikely]] FailCalculation(ErrorCode::SquareRootOfNegative);
  return std::sqrt(a);
}

// The square root as the final value of a formula: narrowed to double it is the
// correctly rounded root, also where the long double root lies exactly halfway between
// two doubles (SquareRoot, cheaper, leaves those to round to even).
long double FinalSquareRoot(long double a);

// A function's value, or the failure an infinity or a NaN stands for.
inline long double CheckedValue(long double value) {
  if (!(value - value == 0)) [[unlikely]] {
    FailCalculation(std::isnan(value) ? ErrorCode::NoRealValue : ErrorCode::OutOfRange);
  }
  return value;
}

// The same as CalculateFunction for one argument; the cheapest functions are worked out
// here, where a calculation spares the call.
inline long double CalculateFunction1(FunctionId id, long double a, AngleMode mode) {
  switch (id) {
    case FunctionId::Abs: return std::fabs(a);
    case FunctionId::Square: return InRange(a * a);
    case FunctionId::Sqrt: return SquareRoot(a);
    default: return CalculateFunction(id, a, 0, mode);
  }
}

// The functions the compiled formula works out without a call.
inline bool CalculatedInline(FunctionId id) {
  return id == FunctionId::Abs || id == FunctionId::Square || id == FunctionId::Sqrt;
}

// CalculateFunction1 for one function and unit, to be called directly, its value checked
// by the caller: the choice among the functions is made once, when a formula is
// compiled. Sqrt is FinalSquareRoot.
Function1 FunctionOf1(FunctionId id, AngleMode mode);

}  // namespace vantorel
