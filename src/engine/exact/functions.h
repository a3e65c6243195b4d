#pragma once
// The four operations and the catalogue's functions on exact values, with the failures
// the 80-bit arithmetic gives at the same places.

#include "engine/exact/pass.h"
#include "engine/exact_program.h"
#include "engine/function_id.h"

namespace vantorel::exact {

// `a` becomes `a` op `b`; `op` is Add, Subtract, Multiply or Divide.
void Arithmetic(ExactOp op, Real& a, Real& b, Pass& pass);
void Negate(Real& a);
// `a` becomes function `id` of `a` (and of `b` for the two-argument functions).
void CallFunction(FunctionId id, Real& a, Real& b, Pass& pass);

}  // namespace vantorel::exact
