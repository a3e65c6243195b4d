#pragma once
// The exact arithmetic as the window uses it: one formula's result as the result editor
// would show it, or the failure's message. It lives in a module that is opened on the
// first call, so that its libraries are not loaded at every start.

#include <string>

#include "engine/expression_engine.h"

namespace vantorel::ui {

struct ExactComputation {
  bool ok = false;
  std::string shown;      // the result text at `precision` decimals, or the message
  std::string fullValue;  // shortest text of the correctly rounded double
  bool certified = true;  // false: the precision's cap was reached undecided
};

// One exact Compute's input, as the module takes it.
struct ExactRequest {
  std::string formula;
  std::string xText;
  char separator = '.';
  AngleMode mode = AngleMode::Radians;
  int precision = 0;
};

// Never throws a TMathExpr: a failure comes back with ok false. The x text is read
// exactly; the caller has checked it with the 80-bit reading first, for its messages.
ExactComputation ComputeExact(const std::string& formula, const std::string& xText,
                              char separator, AngleMode mode, int precision);

}  // namespace vantorel::ui
