// The module's one entry, opened by ui/exact_compute.cpp on the first exact Compute.
#include "editing/number_syntax.h"
#include "engine/exact/exact_formula.h"
#include "ui/exact_compute.h"

extern "C" __attribute__((visibility("default"))) void vantorel_compute_exact(
    const vantorel::ui::ExactRequest& request, vantorel::ui::ExactComputation& out) {
  using namespace vantorel;
  try {
    const ExactResult r =
        EvaluateExact(request.formula, request.xText, request.separator, request.mode);
    out.ok = true;
    out.shown = FormatRoundedResult(r.shown.negative, r.shown.digits, r.shown.exponent,
                                    request.precision, request.separator);
    out.fullValue = ShortestText(r.value, request.separator);
    out.certified = r.certified;
  } catch (const UncertifiedFailure& failure) {
    out.shown = failure.what();
    out.certified = false;
  } catch (const TMathExpr& failure) {
    out.shown = failure.what();
  }
}
