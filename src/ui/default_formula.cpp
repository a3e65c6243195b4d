#include "default_formula.h"

namespace vantorel::ui {

namespace {

// '#' marks the decimal points; no other character of the formula is '#'.
constexpr std::string_view kFormulaPattern =
    "5#44E-4 * (x - 187) + (2 * x) + square(x) + sin(x/deg) + logbaseN(6;2#77) + "
    "sin(tan(cos(43#243)/ln(9#765))/(tan(34#3)*logbaseN(2;3)))*(x - 1#87E-3) + "
    "sqrt(square(3)+square(4*x))";

}  // namespace

std::string DefaultFormula(char separator) {
  std::string formula(kFormulaPattern);
  for (char& c : formula)
    if (c == '#') c = separator;
  return formula;
}

std::string ReplaceSeparator(std::string_view text, std::string_view stored,
                             std::string_view current) {
  if (stored.empty()) return std::string(text);
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = text.find(stored); at != std::string_view::npos;
       at = text.find(stored, from)) {
    result.append(text.substr(from, at - from)).append(current);
    from = at + stored.size();
  }
  return result.append(text.substr(from));
}

}  // namespace vantorel::ui
