#pragma once
// The curve in exact arithmetic, for a plot drawn while the window computes exactly.

#include <string_view>

#include "engine/expression_engine.h"
#include "plot/plot_function.h"

namespace vantorel::ui {

// Each x is taken exactly as the double it is; each value is the correctly rounded
// double, nothing where the formula fails. Throws TMathExpr when the text is no formula.
plot::PlotFunction ExactCurve(std::string_view formula, char decimalSeparator, AngleMode mode);

}  // namespace vantorel::ui
