// The default formula at x = 15: the engine, muparser and the hand-written floor.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>

#include "engine/compiled_formula.h"
#include "engine/expression_engine.h"
#include "formulas.h"
#include "statistics.h"

namespace vantorel::bench {
namespace {

constexpr long double kX = 15;

// Evaluate through the public interface on a new engine each time: its cache is empty,
// so every iteration compiles.
void BM_Ours_CompileEvaluate(benchmark::State& state) {
  for (auto _ : state) {
    ExpressionEngine engine;
    benchmark::DoNotOptimize(engine.Evaluate(kDefaultFormula, kX, '.', AngleMode::Radians));
  }
}

// The compile phase and one calculation, without the engine's cache object.
void BM_Ours_CompileCalculate(benchmark::State& state) {
  for (auto _ : state) {
    auto formula = CompiledFormula::Compile(kDefaultFormula, '.', AngleMode::Radians);
    benchmark::DoNotOptimize(formula.Calculate(kX));
  }
}

// Evaluate on one engine: after the first call its cache holds the compiled form.
void BM_Ours_EvaluateCached(benchmark::State& state) {
  ExpressionEngine engine;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.Evaluate(kDefaultFormula, kX, '.', AngleMode::Radians));
  }
}

void BM_Ours_Calculate(benchmark::State& state) {
  auto formula = CompiledFormula::Compile(kDefaultFormula, '.', AngleMode::Radians);
  for (auto _ : state) benchmark::DoNotOptimize(formula.Calculate(kX));
}

double Square(double v) { return v * v; }
double LogBaseN(double base, double v) { return std::log(v) / std::log(base); }

struct MuParser {
  double x = double(kX);
  mu::Parser parser;
  MuParser() {
    parser.DefineVar("x", &x);
    parser.DefineFun("square", Square);
    parser.DefineFun("logbaseN", LogBaseN);
    parser.DefineConst("deg", 57.295779513082320876798154814114);
    parser.SetExpr(kMuParserFormula);
  }
};

// SetExpr drops muparser's byte code, so each Eval parses again.
void BM_MuParser_ParseEvaluate(benchmark::State& state) {
  MuParser mu;
  for (auto _ : state) {
    mu.parser.SetExpr(kMuParserFormula);
    benchmark::DoNotOptimize(mu.parser.Eval());
  }
}

void BM_MuParser_Evaluate(benchmark::State& state) {
  MuParser mu;
  mu.parser.Eval();
  for (auto _ : state) benchmark::DoNotOptimize(mu.parser.Eval());
}

void BM_HandWritten_LongDouble(benchmark::State& state) {
  long double x = kX;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(HandWritten(x));
  }
}

}  // namespace

double DefaultFormulaByMuParser() { return MuParser().parser.Eval(); }

BENCHMARK(BM_Ours_CompileEvaluate)->Apply(WithMinMax);
BENCHMARK(BM_Ours_CompileCalculate)->Apply(WithMinMax);
BENCHMARK(BM_Ours_EvaluateCached)->Apply(WithMinMax);
BENCHMARK(BM_Ours_Calculate)->Apply(WithMinMax);
BENCHMARK(BM_MuParser_ParseEvaluate)->Apply(WithMinMax);
BENCHMARK(BM_MuParser_Evaluate)->Apply(WithMinMax);
BENCHMARK(BM_HandWritten_LongDouble)->Apply(WithMinMax);

}  // namespace vantorel::bench
