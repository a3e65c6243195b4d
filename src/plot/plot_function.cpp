#include "plot/plot_function.h"

#include <memory>

#include "engine/compiled_formula.h"

namespace vantorel::plot {

PlotFunction FormulaFunction(std::string_view formula, char decimalSeparator, AngleMode mode) {
  auto compiled = std::make_shared<const CompiledFormula>(
      CompiledFormula::Compile(formula, decimalSeparator, mode));
  return [compiled](double x) -> std::optional<double> {
    try {
      return compiled->Calculate(x);
    } catch (const TMathExpr&) {
      return std::nullopt;
    }
  };
}

}  // namespace vantorel::plot
