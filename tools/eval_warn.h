#pragma once
// --warn: what a formula ignores after its end, told on standard error.

#include <string_view>

#include "eval_options.h"

namespace vantorel {

// Writes the notice for `formula` to standard error where there is one. A formula that
// does not compile has none: its error says more.
void WarnIgnored(const EvalOptions& options, std::string_view formula);

}  // namespace vantorel
