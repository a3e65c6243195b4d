#include "engine/expression_engine.h"

#include <atomic>
#include <optional>

#include "engine/compiled_formula.h"

namespace vantorel {

struct ExpressionEngine::Cache {
  // Taken by the one thread that uses the cache; the others compile for themselves. An
  // atomic flag rather than a mutex: no thread ever waits, and one exchange and one plain
  // store cost less than the mutex's two atomic operations and calls.
  std::atomic<bool> busy{false};
  std::string text;
  char decimalSeparator = '.';
  AngleMode mode = AngleMode::Radians;
  std::optional<CompiledFormula> formula;

  bool Holds(std::string_view t, char separator, AngleMode m) const {
    return formula && decimalSeparator == separator && mode == m && text == t;
  }
};

ExpressionEngine::ExpressionEngine() : cache_(std::make_unique<Cache>()) {}
ExpressionEngine::~ExpressionEngine() = default;
ExpressionEngine::ExpressionEngine(const ExpressionEngine&) : ExpressionEngine() {}
ExpressionEngine& ExpressionEngine::operator=(const ExpressionEngine&) { return *this; }

double ExpressionEngine::Evaluate(std::string_view text, long double x, char decimalSeparator,
                                  AngleMode mode) const {
  if (cache_->busy.exchange(true, std::memory_order_acquire)) {
    return CompiledFormula::Compile(text, decimalSeparator, mode).Calculate(x);
  }
  struct Release {
    std::atomic<bool>& busy;
    ~Release() { busy.store(false, std::memory_order_release); }
  } release{cache_->busy};
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
