#pragma once
// The calculation of each catalogue function at working precision.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "engine/expression_engine.h"
#include "engine/function_id.h"
#include "engine/messages.h"
#include "engine/operations.h"

namespace vantorel {

// The value of function `id` for the arguments `a` (and `b` for the two-argument
// functions) with angles in `mode`. Throws CalculationError where the function has no
// real value, divides by zero or leaves the long double range; never gives an infinity
// or a NaN.
long double CalculateFunction(FunctionId id, long double a, long double b, AngleMode mode);

// Whether `value` lies exactly halfway between two normal doubles: its 11 significand
// bits beyond a double's are 10000000000. Narrowing such a value rounds to even, whatever
// side of it the exact result lies on.
inline bool IsDoubleTie(long double value) {
  static_assert(std::numeric_limits<long double>::digits == 64,
                "the significand is the 64-bit x87 one, stored first");
  std::uint64_t significand;
  std::memcpy(&significand, &value, sizeof significand);
  return (significand & 0x7FF) == 0x400;
}

// The square root, correctly rounded in long double, is moved one long double step toward
// the exact root when it is such a tie, so that narrowing it gives the correctly rounded
// double. r * r - a is exact with one rounding (fmal), so its sign says on which side the
// exact root lies; it is never 0 there, as the square of a tie needs more than 64 bits
// (only an underflow of the residual, far below the double range, gives 0).
inline long double SquareRoot(long double a) {
  if (a < 0) [[unlikely]] FailCalculation(ErrorCode::SquareRootOfNegative);
  long double root = std::sqrt(a);
  if (IsDoubleTie(root)) [[unlikely]] {
    long double excess = std::fma(root, root, -a);
    if (excess != 0) {
      root = std::nextafter(root, excess > 0 ? 0.0L : std::numeric_limits<long double>::infinity());
    }
  }
  return root;
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

}  // namespace vantorel
