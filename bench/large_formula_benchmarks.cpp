// Long and deep formulas: answered (a value or a clear error) in well under 100 ms, in
// time that grows linearly with the text.

#include <benchmark/benchmark.h>

#include "engine/compiled_formula.h"
#include "engine/expression_engine.h"
#include "formulas.h"
#include "statistics.h"

namespace vantorel::bench {
namespace {

// Evaluate on a new engine, so that the whole text is compiled every time.
void Answer(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    try {
      ExpressionEngine engine;
      benchmark::DoNotOptimize(engine.Evaluate(text, 15, '.', AngleMode::Radians));
    } catch (const TMathExpr& e) {
      benchmark::DoNotOptimize(e.what());
    }
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}

void BM_LongSum(benchmark::State& state) { Answer(state, LongSum(state.range(0))); }

void BM_NestedParentheses(benchmark::State& state) {
  Answer(state, NestedParentheses(state.range(0)));
}

}  // namespace

BENCHMARK(BM_LongSum)
    ->Arg(256 << 10)->Arg(512 << 10)->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN)->Apply(WithMinMax);
BENCHMARK(BM_NestedParentheses)
    ->Arg(25000)->Arg(50000)->Arg(100000)
    ->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN)->Apply(WithMinMax);

}  // namespace vantorel::bench
