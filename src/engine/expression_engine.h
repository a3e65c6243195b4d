#pragma once
// The formula language: compile a one-line formula in the variable x, then calculate it.

#include <stdexcept>
#include <string>
#include <string_view>

namespace vantorel {

enum class AngleMode { Radians, Degrees, Grads };

// Every failure of a calculation: a message for the user and nothing else.
class TMathExpr : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ExpressionEngine {
 public:
  // The value of the formula `text` for `x`, numbers written with `decimalSeparator`
  // ('.' or ','), angles in `mode`. Works in long double; only the result is narrowed.
  // Throws TMathExpr for every failure.
  double Evaluate(std::string_view text, long double x, char decimalSeparator,
                  AngleMode mode) const;
};

}  // namespace vantorel
