#include "ui/exact_curve.h"

#include "editing/number_syntax.h"
#include "ui/exact_compute.h"

namespace vantorel::ui {

plot::PlotFunction ExactCurve(std::string formula, char decimalSeparator, AngleMode mode) {
  // Through the same entry as an exact Compute, so that the exact libraries are loaded
  // only when used; the plot's time limit bounds what compiling at each point costs.
  return [formula = std::move(formula), decimalSeparator, mode](double x)
             -> std::optional<double> {
    const ExactComputation r =
        ComputeExact(formula, ShortestText(x, decimalSeparator), decimalSeparator, mode, 0);
    if (!r.ok) return std::nullopt;
    const std::optional<long double> value = ReadNumber(r.fullValue, decimalSeparator);
    return value ? std::optional<double>(double(*value)) : std::nullopt;
  };
}

}  // namespace vantorel::ui
