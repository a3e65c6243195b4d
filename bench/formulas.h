#pragma once
// The formulas the benchmarks time, in the formula language and translated for
// muparser, and the default formula written by hand in long double.

#include <cmath>
#include <string>

namespace vantorel::bench {

inline const std::string kDefaultFormula =
    "5.44E-4 * (x - 187) + (2 * x) + square(x) + sin(x/deg) + logbaseN(6;2.77) + "
    "sin(tan(cos(43.243)/ln(9.765))/(tan(34.3)*logbaseN(2;3)))*(x - 1.87E-3) + "
    "sqrt(square(3)+square(4*x))";

// muparser's argument separator is ','; square, logbaseN and deg are defined for it.
// Its operators have the usual precedence, which groups this formula the same way.
inline const std::string kMuParserFormula =
    "5.44E-4 * (x - 187) + (2 * x) + square(x) + sin(x/deg) + logbaseN(6,2.77) + "
    "sin(tan(cos(43.243)/ln(9.765))/(tan(34.3)*logbaseN(2,3)))*(x - 1.87E-3) + "
    "sqrt(square(3)+square(4*x))";

// The floor for the working type: the compiler folds the constant parts, as the engine's
// compile phase does.
inline long double HandWritten(long double x) {
  constexpr long double deg = 57.295779513082320876798154814114L;
  return 5.44E-4L * (x - 187) + (2 * x) + x * x + std::sin(x / deg) +
         std::log(2.77L) / std::log(6.0L) +
         std::sin(std::tan(std::cos(43.243L) / std::log(9.765L)) /
                  (std::tan(34.3L) * (std::log(3.0L) / std::log(2.0L)))) *
             (x - 1.87E-3L) +
         std::sqrt(3.0L * 3.0L + (4 * x) * (4 * x));
}

// "1+1+...+1", `bytes` characters long (an odd count).
inline std::string LongSum(std::size_t bytes) {
  std::string text = "1";
  text.reserve(bytes);
  while (text.size() + 2 <= bytes) text += "+1";
  return text;
}

// "((...(1)...))" with `depth` pairs of parentheses.
inline std::string NestedParentheses(std::size_t depth) {
  return std::string(depth, '(') + "1" + std::string(depth, ')');
}

}  // namespace vantorel::bench
