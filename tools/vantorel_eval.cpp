// vantorel-eval: evaluates formulas of the calculator's language from the command line,
// from standard input, or over a table of x values.

#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "editing/number_syntax.h"
#include "engine/expression_engine.h"
#include "eval_options.h"
#include "eval_table.h"
#include "eval_warn.h"
#include "exact_eval.h"

namespace vantorel {
namespace {

// The decimal separator of the regional settings as the C library sees them (LC_ALL,
// LC_NUMERIC, LANG): "," when the locale's decimal point is ",", else ".". The locale
// is set back to "C" at once; nothing else here depends on it.
char RegionalSeparator() {
  std::setlocale(LC_NUMERIC, "");
  const char* point = std::localeconv()->decimal_point;
  const char separator = point && std::strcmp(point, ",") == 0 ? ',' : '.';
  std::setlocale(LC_NUMERIC, "C");
  return separator;
}

// One formula's line of output: its value, or "error: MESSAGE".
struct Outcome {
  bool ok;
  std::string text;
};

// One engine for the whole run: it keeps the compiled form of the last formula, so a
// table compiles its formula once.
const ExpressionEngine& Engine() {
  static const ExpressionEngine engine;
  return engine;
}

Outcome EvaluateOne(const EvalOptions& options, std::string_view formula, long double x) {
  if (options.exact) {
    ExactOutcome exact = EvaluateExactOne(options, formula);
    if (exact.ok && options.warn) WarnIgnored(options, formula);
    return {exact.ok, exact.text};
  }
  try {
    const double value = Engine().Evaluate(formula, x, options.separator, options.mode);
    if (options.warn) WarnIgnored(options, formula);
    return {true, options.precision ? FormatResult(value, *options.precision, options.separator)
                                    : ShortestText(value, options.separator)};
  } catch (const std::exception& failure) {  // TMathExpr, or running out of memory
    return {false, std::string("error: ") + failure.what()};
  }
}

void WriteLine(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fputc('\n', stream);
}

bool RunFormula(const EvalOptions& options) {
  const Outcome outcome = EvaluateOne(options, *options.formula, options.x);
  WriteLine(outcome.ok ? stdout : stderr, outcome.text);
  return outcome.ok;
}

// One output line per input line, a failure's message in its place, so that the lines
// stay aligned. Each line is flushed, so that another program can hold a dialogue.
bool RunBatch(const EvalOptions& options) {
  bool allOk = true;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const Outcome outcome = EvaluateOne(options, line, options.x);
    WriteLine(stdout, outcome.text);
    std::fflush(stdout);
    allOk = allOk && outcome.ok;
  }
  return allOk;
}

int Run(const std::vector<std::string>& args) {
  EvalOptions options;
  try {
    options = ParseOptions(args, RegionalSeparator());
  } catch (const UsageError& error) {
    std::fprintf(stderr, "vantorel-eval: %s\n%sTry 'vantorel-eval --help' for more.\n",
                 error.what(), SynopsisText());
    return 2;
  }
  if (options.help) {
    std::fputs(HelpText().c_str(), stdout);
    return 0;
  }
  if (options.table && options.warn) WarnIgnored(options, *options.formula);
  const bool allOk = options.table ? (options.exact ? RunExactTable(options)
                                                     : WriteTable(options, stdout))
                     : options.formula ? RunFormula(options)
                                       : RunBatch(options);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fputs("vantorel-eval: the output could not be written\n", stderr);
    return 1;
  }
  return allOk ? 0 : 1;
}

}  // namespace
}  // namespace vantorel

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return vantorel::Run(std::vector<std::string>(argv + 1, argv + argc));
}
