// vantorel-eval's table of a million lines of sin(x)*cos(x)+sqrt(x), x = 1 to 1,000,000,
// written to /dev/null, beside a hand-written peer: the same values through long double
// and std::to_chars's shortest text on one thread, with no read-back check and no errors
// to place. Both are timed by the wall clock and by the process's CPU time (all threads).

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "eval_options.h"
#include "eval_table.h"
#include "statistics.h"

namespace vantorel::bench {
namespace {

constexpr std::int64_t kLines = 1000000;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File Discard() { return File(std::fopen("/dev/null", "w")); }

void BM_Table_Ours(benchmark::State& state) {
  EvalOptions options;
  options.formula = "sin(x)*cos(x)+sqrt(x)";
  options.table = TableRange{1, 1, kLines};
  const File out = Discard();
  for (auto _ : state) benchmark::DoNotOptimize(WriteTable(options, out.get()));
}

void BM_Table_HandWritten(benchmark::State& state) {
  const File out = Discard();
  std::string text;
  for (auto _ : state) {
    for (std::int64_t i = 0; i < kLines; ++i) {
      const long double x = 1 + static_cast<long double>(i);
      const double value = static_cast<double>(std::sin(x) * std::cos(x) + std::sqrt(x));
      char line[64];
      char* end = std::to_chars(line, line + 32, static_cast<double>(x)).ptr;
      *end++ = '\t';
      end = std::to_chars(end, line + 63, value).ptr;
      *end++ = '\n';
      text.append(line, end);
      if (text.size() > (1 << 20)) {
        std::fwrite(text.data(), 1, text.size(), out.get());
        text.clear();
      }
    }
    std::fwrite(text.data(), 1, text.size(), out.get());
    text.clear();
  }
}

BENCHMARK(BM_Table_Ours)->Unit(benchmark::kMillisecond)->Iterations(1)
    ->MeasureProcessCPUTime()->UseRealTime()->Apply(WithMinMax);
BENCHMARK(BM_Table_HandWritten)->Unit(benchmark::kMillisecond)->Iterations(1)
    ->MeasureProcessCPUTime()->UseRealTime()->Apply(WithMinMax);

}  // namespace
}  // namespace vantorel::bench
