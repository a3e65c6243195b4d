#include "exact_eval.h"

#include <cstdio>
#include <exception>
#include <optional>

#include "editing/number_syntax.h"
#include "engine/exact/exact_formula.h"

namespace vantorel {
namespace {

void NoteUncertified(std::string_view formula, std::string_view x) {
  std::fprintf(stderr,
               "vantorel-eval: note: %.*s for x = %.*s is not certified: the precision's cap "
               "was reached undecided\n",
               static_cast<int>(formula.size()), formula.data(), static_cast<int>(x.size()),
               x.data());
}

std::string ValueText(const EvalOptions& options, const ExactResult& r) {
  if (!options.precision) return ShortestText(r.value, options.separator);
  return FormatRoundedResult(r.shown.negative, r.shown.digits, r.shown.exponent,
                             *options.precision, options.separator);
}

// The last formula compiled, kept for the next line of a batch.
ExactFormula& Compiled(const EvalOptions& options, std::string_view formula) {
  static std::optional<ExactFormula> compiled;
  static std::string text;
  if (!compiled || text != formula) {
    compiled.reset();
    compiled = ExactFormula::Compile(formula, options.separator, options.mode);
    text = formula;
  }
  return *compiled;
}

template <typename Calculate>
ExactOutcome Outcome(const EvalOptions& options, std::string_view formula, std::string_view x,
                     Calculate calculate) {
  try {
    ExactResult r = calculate(Compiled(options, formula));
    if (!r.certified) NoteUncertified(formula, x);
    return {true, ValueText(options, r)};
  } catch (const UncertifiedFailure& failure) {
    NoteUncertified(formula, x);
    return {false, std::string("error: ") + failure.what()};
  } catch (const std::exception& failure) {  // TMathExpr, or running out of memory
    return {false, std::string("error: ") + failure.what()};
  }
}

}  // namespace

ExactOutcome EvaluateExactOne(const EvalOptions& options, std::string_view formula) {
  bool digits = options.precision.has_value();
  return Outcome(options, formula, options.xText,
                 [&](ExactFormula& f) { return f.Calculate(options.xText, digits); });
}

bool RunExactTable(const EvalOptions& options) {
  const TableRange& table = *options.table;
  bool digits = options.precision.has_value();
  bool allOk = true;
  for (std::int64_t i = 0; i < table.lines; ++i) {
    std::string x = ExactStepText(options.fromText, options.stepText, i, options.separator);
    ExactOutcome outcome = Outcome(options, *options.formula, x, [&](ExactFormula& f) {
      return f.CalculateStep(options.fromText, options.stepText, i, digits);
    });
    std::string line = x + '\t' + outcome.text + '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
    allOk = allOk && outcome.ok;
  }
  return allOk;
}

}  // namespace vantorel
