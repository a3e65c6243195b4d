#pragma once
// The command line of vantorel-eval.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/expression_engine.h"

namespace vantorel {

// The x values of a table: From + i * Step for i = 0 .. Lines - 1.
struct TableRange {
  long double from = 0;
  long double step = 0;
  std::int64_t lines = 0;
};

// Everything a command line asks for.
struct EvalOptions {
  std::optional<std::string> formula;  // none: formulas come from standard input
  long double x = 15;
  char separator = '.';
  AngleMode mode = AngleMode::Radians;
  std::optional<int> precision;  // none: the shortest text that reads back
  std::optional<TableRange> table;
  bool help = false;
  bool warn = false;  // tell on standard error what a formula ignores after its end
  // --exact: the exact arithmetic, with x, From and Step read exactly from their texts.
  bool exact = false;
  std::string xText = "15", fromText, stepText;
};

// A command line that asks for something impossible; the message says what.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A table's line numbers stay below this; a step so small that a table would need more
// cannot advance x anyway.
inline constexpr long double kMaxTableIndex = 0x1p62L;

// The options of `args` (without the program name); numbers are read with the chosen
// separator, `regionalSeparator` when none is chosen. Throws UsageError.
EvalOptions ParseOptions(const std::vector<std::string>& args, char regionalSeparator);

// The synopsis, shown after a usage error.
const char* SynopsisText();

// The synopsis and every option, for --help.
std::string HelpText();

}  // namespace vantorel
