#pragma once
// Angles in the selected unit: the circular functions of an angle argument and the
// conversion of an angle result.

#include <cmath>

#include "engine/expression_engine.h"

namespace vantorel {

struct SineCosine {
  long double sine;
  long double cosine;
};

// Both values of an angle in `mode`. In Degrees and Grads the angle is first reduced
// exactly modulo the full turn, so whole quarter turns give exactly 0, 1 or -1.
SineCosine SinCos(long double angle, AngleMode mode);

// In Radians straight to the library, without a call in between.
inline long double Sine(long double angle, AngleMode mode) {
  return mode == AngleMode::Radians ? std::sin(angle) : SinCos(angle, mode).sine;
}
inline long double Cosine(long double angle, AngleMode mode) {
  return mode == AngleMode::Radians ? std::cos(angle) : SinCos(angle, mode).cosine;
}
// The tangent and its inverse; throw "Division by zero" where they have a pole.
long double Tangent(long double angle, AngleMode mode);
long double Cotangent(long double angle, AngleMode mode);

// A result angle given in radians, expressed in the unit of `mode`.
long double FromRadians(long double radians, AngleMode mode);

}  // namespace vantorel
