#pragma once
// The numbers written along an axis.

#include <string>
#include <vector>

#include "plot/range.h"

namespace vantorel::plot {

// Round values within `r`: the whole multiples of the smallest step of 1, 2 or 5 times a
// power of ten that is at least a `count`th of the width. Each value is
// the double nearest to its decimal, so that it is written as briefly as it reads.
std::vector<double> TickValues(Range r, int count);

// `value` as a number of the formula language, with `decimalSeparator`.
std::string TickLabel(double value, char decimalSeparator);

// `value` rounded to `digits` significant digits (1 to 17), written as briefly as the
// formula language reads it back.
std::string RoundedText(double value, int digits, char decimalSeparator);

}  // namespace vantorel::plot
