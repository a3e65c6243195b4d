#pragma once
// Shared helpers of the engine's tests.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"

namespace vantorel::testing {

inline double Evaluate(std::string_view formula, AngleMode mode = AngleMode::Radians,
                       long double x = 15, char separator = '.') {
  return ExpressionEngine().Evaluate(formula, x, separator, mode);
}

// A formula and the message it fails with.
struct FailureCase {
  const char* formula;
  const char* message;
};

// The message of the failure, or "no error: VALUE" when the formula has a value.
inline std::string ErrorOf(std::string_view formula, AngleMode mode = AngleMode::Radians,
                           long double x = 15, char separator = '.') {
  try {
    return "no error: " + std::to_string(Evaluate(formula, mode, x, separator));
  } catch (const TMathExpr& error) {
    return error.what();
  }
}

// How many doubles lie between a and b (0 when equal); both finite.
inline std::int64_t UlpDistance(double a, double b) {
  auto ordered = [](double d) {
    std::int64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits < 0 ? INT64_MIN - bits : bits;
  };
  std::int64_t d = ordered(a) - ordered(b);
  return d < 0 ? -d : d;
}

}  // namespace vantorel::testing
