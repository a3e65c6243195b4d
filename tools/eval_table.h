#pragma once
// The table of vantorel-eval: one line "x<TAB>value" per x, written as it is computed.

#include <cstdio>

#include "eval_options.h"

namespace vantorel {

// Writes every line of `options.table` for `options.formula` to `out`, a failure's
// message in place of its value. Stops early only when `out` cannot be written. Returns
// whether every value was computed.
bool WriteTable(const EvalOptions& options, std::FILE* out);

}  // namespace vantorel
