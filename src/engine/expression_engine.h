#pragma once
// The formula language: compile a one-line formula in the variable x, then calculate it.

#include <memory>
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

// Keeps the compiled form of the last formula, so that calculating the same text again
// for another x skips the compile phase; results never depend on it. One object may be
// used from several threads: a thread that finds the cache busy compiles for itself.
class ExpressionEngine {
 public:
  ExpressionEngine();
  ~ExpressionEngine();
  // A copy starts with an empty cache.
  ExpressionEngine(const ExpressionEngine&);
  ExpressionEngine& operator=(const ExpressionEngine&);

  // The value of the formula `text` for `x`, numbers written with `decimalSeparator`
  // ('.' or ','), angles in `mode`. Works in long double; only the result is narrowed.
  // Throws TMathExpr for every failure.
  double Evaluate(std::string_view text, long double x, char decimalSeparator,
                  AngleMode mode) const;

 private:
  struct Cache;
  std::unique_ptr<Cache> cache_;
};

}  // namespace vantorel
