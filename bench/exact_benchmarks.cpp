// The exact arithmetic: one cold Compute of the default formula, and a table of the
// default formula beside the same table in the 80-bit arithmetic, line by line as
// vantorel-eval makes it (x text, value, value text; nothing written).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "editing/number_syntax.h"
#include "engine/exact/exact_formula.h"
#include "engine/expression_engine.h"
#include "formulas.h"
#include "statistics.h"

namespace vantorel::bench {
namespace {

constexpr std::int64_t kTableLines = 1'000'000;
constexpr const char* kFrom = "0";
constexpr const char* kStep = "0.001";

// Compile, read the numbers and x, calculate until the double and the 15 digits are
// decided: what the window does for one Compute in exact arithmetic.
void BM_Exact_ColdCompute(benchmark::State& state) {
  for (auto _ : state) {
    ExactFormula formula = ExactFormula::Compile(kDefaultFormula, '.', AngleMode::Radians);
    benchmark::DoNotOptimize(formula.Calculate("15").value);
  }
}

// With argument 1 each line's texts are made, with 0 only the values are worked out.
void BM_Table_EightyBit(benchmark::State& state) {
  const long double from = 0;
  const long double step = 0.001L;
  const bool texts = state.range(0) != 0;
  for (auto _ : state) {
    ExpressionEngine engine;
    std::size_t bytes = 0;
    for (std::int64_t i = 0; i < kTableLines; ++i) {
      const long double x = from + static_cast<long double>(i) * step;
      const double value = engine.Evaluate(kDefaultFormula, x, '.', AngleMode::Radians);
      if (!texts) {
        benchmark::DoNotOptimize(value);
        continue;
      }
      bytes += (ShortestText(static_cast<double>(x), '.') + '\t' + ShortestText(value, '.'))
                   .size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}

void BM_Table_Exact(benchmark::State& state) {
  const bool texts = state.range(0) != 0;
  double decided = 0;
  for (auto _ : state) {
    ExactFormula formula = ExactFormula::Compile(kDefaultFormula, '.', AngleMode::Radians);
    std::size_t bytes = 0;
    for (std::int64_t i = 0; i < kTableLines; ++i) {
      const ExactResult r = formula.CalculateStep(kFrom, kStep, i, false);
      if (!texts) {
        benchmark::DoNotOptimize(r.value);
        continue;
      }
      bytes += (ExactStepText(kFrom, kStep, i, '.') + '\t' + ShortestText(r.value, '.')).size();
    }
    benchmark::DoNotOptimize(bytes);
    const ExactFormula::TablePassRecord record = formula.TablePass();
    decided = 100.0 * static_cast<double>(record.decided) / static_cast<double>(kTableLines);
  }
  state.counters["long_double_pass_%"] = decided;
}

}  // namespace

// The first exact calculation of a process also fills Arb's caches of constants.
void PrintFirstExactCompute() {
  const auto start = std::chrono::steady_clock::now();
  ExactFormula::Compile(kDefaultFormula, '.', AngleMode::Radians).Calculate("15");
  const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
  std::printf("First exact Compute of the process (Arb's caches empty): %.0f us\n",
              took.count());
}

BENCHMARK(BM_Exact_ColdCompute)->Apply(WithMinMax);
BENCHMARK(BM_Table_EightyBit)->Apply(WithMinMax)->Arg(1)->Arg(0)->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Table_Exact)->Apply(WithMinMax)->Arg(1)->Arg(0)->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace vantorel::bench
