// The engine's speed beside muparser and hand-written long double, with the ratios the
// engine is measured by. Runs 10 repetitions of each benchmark unless told otherwise;
// every Google Benchmark option works.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "engine/compiled_formula.h"
#include "engine/expression_engine.h"
#include "formulas.h"
#include "ratio_reporter.h"

namespace vantorel::bench {
double DefaultFormulaByMuParser();
void PrintFirstExactCompute();
}

namespace {

// The three programs compute the same value, or the comparison means nothing.
void PrintValues() {
  using namespace vantorel::bench;
  double ours = vantorel::ExpressionEngine().Evaluate(kDefaultFormula, 15, '.',
                                                      vantorel::AngleMode::Radians);
  std::printf("Default formula at x = 15: engine %.17g, muparser %.17g, hand-written %.17g\n",
              ours, DefaultFormulaByMuParser(), double(HandWritten(15)));
  auto compiled = vantorel::CompiledFormula::Compile(kDefaultFormula, '.',
                                                     vantorel::AngleMode::Radians);
  std::printf("Its compiled form has %zu steps\n", compiled.Size());
}

}  // namespace

int main(int argc, char** argv) {
  using vantorel::bench::RatioReporter;
  return vantorel::bench::RunBenchmarks(argc, argv, &RatioReporter::PrintSummary, [] {
    PrintValues();
    vantorel::bench::PrintFirstExactCompute();
  });
}
