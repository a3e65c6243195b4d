#include "engine/expression_engine.h"

#include <mutex>
#include <optional>

#include "engine/compiled_formula.h"

namespace vantorel {

struct ExpressionEngine::Cache {
  std::mutex mutex;
  std::string text;
  char decimalSeparator = '.';
  AngleMode mode = AngleMode::Radians;
  std::optional<CompiledFormula> formula;

  bool Holds(std::string_view t, char separator, AngleMode m) const {
    return formula && text == t && decimalSeparator == separator && mode == m;
  }
};

ExpressionEngine::ExpressionEngine() : cache_(std::make_unique<Cache>()) {}
ExpressionEngine::~ExpressionEngine() = default;
ExpressionEngine::ExpressionEngine(const ExpressionEngine&) : ExpressionEngine() {}
ExpressionEngine& ExpressionEngine::operator=(const ExpressionEngine&) { return *this; }

double ExpressionEngine::Evaluate(std::string_view text, long double x, char decimalSeparator,
                                  AngleMode mode) const {
  std::unique_lock lock(cache_->mutex, std::try_to_lock);
  if (!lock.owns_lock()) {
    return CompiledFormula::Compile(text, decimalSeparator, mode).Calculate(x);
  }
  if (!cache_->Holds(text, decimalSeparator, mode)) {
    cache_->formula.reset();
    cache_->formula = CompiledFormula::Compile(text, decimalSeparator, mode);
    cache_->text = text;
    cache_->decimalSeparator = decimalSeparator;
    cache_->mode = mode;
  }
  return cache_->formula->Calculate(x);
}

}  // namespace vantorel
