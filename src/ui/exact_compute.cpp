#include "ui/exact_compute.h"

#include "editing/number_syntax.h"
#include "engine/exact/exact_formula.h"

namespace vantorel::ui {

ExactComputation ComputeExact(const std::string& formula, const std::string& xText,
                              char separator, AngleMode mode, int precision) {
  ExactComputation out;
  try {
    const ExactResult r = EvaluateExact(formula, xText, separator, mode);
    out.ok = true;
    out.shown = FormatRoundedResult(r.shown.negative, r.shown.digits, r.shown.exponent,
                                    precision, separator);
    out.fullValue = ShortestText(r.value, separator);
    out.certified = r.certified;
  } catch (const UncertifiedFailure& failure) {
    out.shown = failure.what();
    out.certified = false;
  } catch (const TMathExpr& failure) {
    out.shown = failure.what();
  }
  return out;
}

}  // namespace vantorel::ui
