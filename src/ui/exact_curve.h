#pragma once
// The curve in exact arithmetic, for a plot drawn while the window computes exactly.

#include <string>

#include "engine/expression_engine.h"
#include "plot/plot_function.h"

namespace vantorel::ui {

// Each x is taken exactly as the double it is; each value is the correctly rounded
// double, nothing where the formula fails. The text must be a formula (the 80-bit
// compile phase, which is the same, says why where it is not).
plot::PlotFunction ExactCurve(std::string formula, char decimalSeparator, AngleMode mode);

}  // namespace vantorel::ui
