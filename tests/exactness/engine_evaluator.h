#pragma once
// The formula engine as an evaluator of reference rows.

#include "scoring.h"

namespace vantorel::exactness {

// Evaluates each row's formula for its x and mode with one engine, numbers written with
// `decimalSeparator`; a TMathExpr becomes a failed outcome with its message.
Evaluator EngineEvaluator(char decimalSeparator = '.');

// The formula with every '.' written as `decimalSeparator`.
std::string WithSeparator(std::string formula, char decimalSeparator);

}  // namespace vantorel::exactness
