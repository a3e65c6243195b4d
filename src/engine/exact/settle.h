#pragma once
// Whether a value, as one pass holds it, decides the result: the correctly rounded
// double and the rounding to 15 significant digits.

#include "engine/exact/pass.h"
#include "engine/exact_result.h"

namespace vantorel::exact {

// Fills `result` and gives true when `value` decides it (the digits only when
// `wantDigits`); at the cap the ball's midpoint decides and the pass is no longer
// certified. Fails with "out of range" for a value beyond the double range.
bool Settle(Real& value, Pass& pass, bool wantDigits, ExactResult& result);

// The rational num / den (den above 0) rounded to 15 significant digits.
RoundedDigits RoundTo15Digits(const fmpz_t num, const fmpz_t den);

}  // namespace vantorel::exact
