#pragma once
// vantorel-eval --exact: formulas in the exact arithmetic.

#include <string>
#include <string_view>

#include "eval_options.h"

namespace vantorel {

struct ExactOutcome {
  bool ok;
  std::string text;  // the value, or "error: MESSAGE"
};

// `formula` for x read exactly from options.xText. A result the precision's cap left
// undecided gets a note on standard error.
ExactOutcome EvaluateExactOne(const EvalOptions& options, std::string_view formula);

// The table "x<TAB>value" with x = From + i * Step exactly; false when a line failed.
bool RunExactTable(const EvalOptions& options);

}  // namespace vantorel
