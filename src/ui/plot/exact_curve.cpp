#include "ui/plot/exact_curve.h"

#include <algorithm>
#include <charconv>
#include <memory>

#include "engine/exact/exact_formula.h"

namespace vantorel::ui {
namespace {

// The shortest text that reads back as `x`, in the formula language's number syntax.
std::string NumberText(double x, char decimalSeparator) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
  std::string text(buffer, end);
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  std::replace(text.begin(), text.end(), 'e', 'E');
  return text;
}

}  // namespace

plot::PlotFunction ExactCurve(std::string_view formula, char decimalSeparator, AngleMode mode) {
  // Calculate keeps worked-out constant parts, so the formula is shared, not copied.
  auto compiled = std::make_shared<ExactFormula>(
      ExactFormula::Compile(formula, decimalSeparator, mode));
  return [compiled, decimalSeparator](double x) -> std::optional<double> {
    try {
      return compiled->Calculate(NumberText(x, decimalSeparator), false).value;
    } catch (const TMathExpr&) {
      return std::nullopt;
    }
  };
}

}  // namespace vantorel::ui
