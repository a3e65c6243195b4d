#include "eval_options.h"

#include <charconv>
#include <cmath>
#include <map>

#include "editing/number_syntax.h"

namespace vantorel {

namespace {

// The command line split into option values and operands, before any value is read.
struct RawCommandLine {
  std::map<std::string, std::string, std::less<>> values;  // by name without "--"
  std::vector<std::string> operands;
  bool help = false;
  bool warn = false;
  bool exact = false;
};

bool TakesValue(std::string_view name) {
  for (std::string_view known : {"x", "mode", "separator", "precision", "from", "to", "step"}) {
    if (name == known) return true;
  }
  return false;
}

std::string UnknownOption(const std::string& arg) {
  std::string message = "unknown option '" + arg + "'";
  if (arg.compare(0, 2, "--") != 0) message += " (write -- before a formula that begins with '-')";
  return message;
}

// value-option := "--" name "=" value | "--" name value
void AddOption(RawCommandLine& raw, const std::vector<std::string>& args, std::size_t& i) {
  const std::string& arg = args[i];
  const std::size_t equals = arg.find('=');
  const std::string option = arg.substr(0, equals);
  if (option.compare(0, 2, "--") != 0 || !TakesValue(option.substr(2))) {
    throw UsageError(UnknownOption(arg));
  }
  std::string value;
  if (equals != std::string::npos) {
    value = arg.substr(equals + 1);
  } else if (i + 1 < args.size()) {
    value = args[++i];
  } else {
    throw UsageError("option " + option + " needs a value");
  }
  if (!raw.values.emplace(option.substr(2), value).second) {
    throw UsageError("option " + option + " is given twice");
  }
}

// command-line := { option | operand } [ "--" { operand } ]; an argument that begins
// with "-" is an option until "--" has been seen.
RawCommandLine SplitArguments(const std::vector<std::string>& args) {
  RawCommandLine raw;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-') {
      raw.operands.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      raw.help = true;
    } else if (arg == "--warn") {
      raw.warn = true;
    } else if (arg == "--exact") {
      raw.exact = true;
    } else {
      AddOption(raw, args, i);
    }
  }
  return raw;
}

const std::string* Find(const RawCommandLine& raw, std::string_view name) {
  const auto found = raw.values.find(name);
  return found == raw.values.end() ? nullptr : &found->second;
}

char ReadSeparator(const RawCommandLine& raw, char regionalSeparator) {
  const std::string* text = Find(raw, "separator");
  if (!text) return regionalSeparator;
  if (*text == "." || *text == ",") return (*text)[0];
  throw UsageError("--separator takes '.' or ',', not '" + *text + "'");
}

AngleMode ReadMode(const RawCommandLine& raw) {
  const std::string* text = Find(raw, "mode");
  if (!text || *text == "radians") return AngleMode::Radians;
  if (*text == "degrees") return AngleMode::Degrees;
  if (*text == "grads") return AngleMode::Grads;
  throw UsageError("--mode takes radians, degrees or grads, not '" + *text + "'");
}

std::optional<int> ReadPrecision(const RawCommandLine& raw) {
  const std::string* text = Find(raw, "precision");
  if (!text) return std::nullopt;
  int precision = -1;
  const char* end = text->data() + text->size();
  if (std::from_chars(text->data(), end, precision).ptr != end || precision < 0 || precision > 15) {
    throw UsageError("--precision takes a whole number from 0 to 15, not '" + *text + "'");
  }
  return precision;
}

long double ReadValue(const RawCommandLine& raw, std::string_view name, char separator) {
  const std::string& text = *Find(raw, name);
  const std::optional<long double> value = ReadNumber(text, separator);
  if (!value) {
    throw UsageError("--" + std::string(name) + ": '" + text +
                     "' is not a valid floating point value");
  }
  return *value;
}

// Whether adding `step` changes `x` at working precision.
bool Advances(long double x, long double step) { return x + step != x; }

TableRange MakeTable(long double from, long double to, long double step) {
  if (step == 0) throw UsageError("--step must not be zero");
  const long double steps = (to - from) / step;
  if (steps < 0) throw UsageError("--step leads away from --to: give it the sign of TO - FROM");
  // Where x is largest the step is smallest beside it; x that stands still there would
  // repeat without end.
  const long double widest = std::fabs(from) > std::fabs(to) ? from : to;
  if (!Advances(widest, step) || !(steps < kMaxTableIndex)) {
    throw UsageError("--step is too small to advance x between --from and --to");
  }
  // FROM, TO and STEP are decimal fractions that long double holds only nearly; a
  // billionth of a step of slack keeps TO itself in the table.
  const long double lastIndex = std::floor(steps + 1e-9L);
  return TableRange{from, step, static_cast<std::int64_t>(lastIndex) + 1};
}

std::optional<TableRange> ReadTable(const RawCommandLine& raw, char separator) {
  int given = 0;
  for (std::string_view name : {"from", "to", "step"}) given += Find(raw, name) ? 1 : 0;
  if (given == 0) return std::nullopt;
  if (given < 3) throw UsageError("--from, --to and --step go together");
  return MakeTable(ReadValue(raw, "from", separator), ReadValue(raw, "to", separator),
                   ReadValue(raw, "step", separator));
}

}  // namespace

EvalOptions ParseOptions(const std::vector<std::string>& args, char regionalSeparator) {
  const RawCommandLine raw = SplitArguments(args);
  EvalOptions options;
  options.help = raw.help;
  options.warn = raw.warn;
  options.separator = ReadSeparator(raw, regionalSeparator);
  options.mode = ReadMode(raw);
  options.precision = ReadPrecision(raw);
  if (Find(raw, "x")) options.x = ReadValue(raw, "x", options.separator);
  options.exact = raw.exact;
  if (Find(raw, "x")) options.xText = *Find(raw, "x");
  if (Find(raw, "from") && Find(raw, "step")) {
    options.fromText = *Find(raw, "from");
    options.stepText = *Find(raw, "step");
  }
  if (raw.operands.size() > 1) throw UsageError("give the formula as one argument, in quotes");
  if (!raw.operands.empty()) options.formula = raw.operands.front();
  options.table = ReadTable(raw, options.separator);
  if (options.table && !options.formula) throw UsageError("a table needs a FORMULA");
  return options;
}

const char* SynopsisText() {
  return "usage: vantorel-eval [--x VALUE] [--mode radians|degrees|grads] [--separator .|,]\n"
         "                     [--precision N] [--exact] [--warn] [--] [FORMULA]\n"
         "       vantorel-eval ... --from A --to B --step S [--] FORMULA\n";
}

std::string HelpText() {
  return std::string(SynopsisText()) +
         "\n"
         "Evaluates FORMULA for x and prints its value; without FORMULA, evaluates each\n"
         "line of standard input. With --from, --to and --step, prints one line\n"
         "\"x<TAB>value\" for each x from A to B.\n"
         "\n"
         "  --x VALUE         the value of x (default 15)\n"
         "  --mode MODE       the unit of angles: radians (default), degrees or grads\n"
         "  --separator S     the decimal separator of numbers in and out: '.' or ','\n"
         "                    (default: that of the regional settings)\n"
         "  --precision N     round to N digits (0 to 15) after the separator; without\n"
         "                    it, the shortest text that reads back to the same value\n"
         "  --warn            tell on standard error what a formula ignores after its\n"
         "                    end, unless it reads as a comment in words\n"
         "  --exact           exact arithmetic: every number and x taken exactly from its\n"
         "                    decimal text, the result the exact value correctly rounded\n"
         "                    (a note on standard error where it could not be certified)\n"
         "  --                ends the options: a FORMULA may then begin with '-'\n"
         "  -h, --help        shows this text\n"
         "\n"
         "Exit status: 0 all evaluated, 1 an evaluation failed, 2 wrong usage.\n";
}

}  // namespace vantorel
