#pragma once
// The catalogue's definitions evaluated in plain double arithmetic with the C library:
// what a calculator without a wider working type gives. Only for comparison in the
// exactness report; never a reference.

#include "scoring.h"

namespace vantorel::exactness {

// Evaluates a one-call formula such as "sin(x)" or "power(x;2.5)" in double. A division
// by zero, an infinity or a NaN counts as a failure.
Evaluator DoubleEvaluator();

}  // namespace vantorel::exactness
