#pragma once
// Angles in exact calculations: the circular functions of an angle argument and the
// unit of an angle result.

#include "engine/exact/pass.h"

namespace vantorel::exact {

// The sine and the cosine of the angle `a` in the pass's unit. In Degrees and Grads they
// are worked out in turns, so that quarter turns give exact 0 and 1 and the sines of
// multiples of 30 degrees (cosines of multiples of 60) are exact rationals.
void SinCos(Real& a, Real& sine, Real& cosine, Pass& pass);

// The tangent (or, with `cotangent`, its inverse); "Division by zero" at a pole.
void Tangent(Real& a, bool cotangent, Pass& pass);

// `radians` (the result of an inverse circular function) in the pass's unit.
void ToAngleUnit(Real& radians, Pass& pass);

// The result of ArcSin, ArcCos or ArcTan (`kind` 0, 1, 2) of a rational that has one
// as a rational part of a half turn (ArcSin(1/2) = 30 degrees); false if it has none.
bool ExactInverse(int kind, Real& a, Pass& pass);
// A rational part of a half turn as an angle in the pass's unit.
void HalfTurns(Real& out, slong numerator, ulong denominator, Pass& pass);

}  // namespace vantorel::exact
