#pragma once
// What an exact calculation gives: the correctly rounded double and the rounding of the
// exact value to 15 significant digits, from which the shown text is made.

#include <string>

#include "engine/expression_engine.h"

namespace vantorel {

// A value rounded to 15 significant digits, ties away from zero: digits d1 d2 ... (no
// trailing zeros; none for zero) standing for d1.d2... times 10^exponent.
struct RoundedDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
  bool operator==(const RoundedDigits&) const = default;
};

struct ExactResult {
  double value = 0;       // the exact value correctly rounded to double; never -0
  RoundedDigits shown;    // the exact value rounded to 15 digits; zero when value is 0
  bool certified = true;  // false: the precision's cap was reached undecided
};

// A failure that only the cap's rule decided (a divisor whose ball still held zero at the
// cap is taken to be zero): the same message as a certain one, marked not certified.
class UncertifiedFailure : public TMathExpr {
 public:
  using TMathExpr::TMathExpr;
};

}  // namespace vantorel
