#include "engine_evaluator.h"

#include <algorithm>
#include <memory>

namespace vantorel::exactness {

Evaluator EngineEvaluator(char decimalSeparator) {
  auto engine = std::make_shared<ExpressionEngine>();
  return [engine, decimalSeparator](const ReferenceRow& row, const std::string& formula) {
    try {
      std::string text = WithSeparator(formula, decimalSeparator);
      return Outcome{engine->Evaluate(text, row.x, decimalSeparator, row.mode), {}};
    } catch (const TMathExpr& failure) {
      return Outcome{std::nullopt, failure.what()};
    }
  };
}

std::string WithSeparator(std::string formula, char decimalSeparator) {
  std::replace(formula.begin(), formula.end(), '.', decimalSeparator);
  return formula;
}

}  // namespace vantorel::exactness
