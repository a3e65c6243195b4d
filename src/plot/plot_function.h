#pragma once
// The function a plot draws: the formula's value at x, or nothing where it fails.

#include <functional>
#include <optional>
#include <string_view>

#include "engine/expression_engine.h"

namespace vantorel::plot {

using PlotFunction = std::function<std::optional<double>(double x)>;

// The one place where a plot chooses its arithmetic: the formula is compiled once and
// calculated in the 80-bit engine for every x, each failure (a domain error, a division
// by zero, a value out of range) giving nothing. Throws TMathExpr when the text is no
// formula.
PlotFunction FormulaFunction(std::string_view formula, char decimalSeparator, AngleMode mode);

}  // namespace vantorel::plot
