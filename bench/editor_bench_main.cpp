// The editors with very long input, in the real window on the offscreen platform. Runs
// 10 repetitions of each benchmark unless told otherwise; every Google Benchmark option
// works.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <vector>

#include "ratio_reporter.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  static char repetitions[] = "--benchmark_repetitions=10";
  static char aggregates[] = "--benchmark_display_aggregates_only=true";
  std::vector<char*> args = {argv[0], repetitions, aggregates};
  args.insert(args.end(), argv + 1, argv + argc);
  int count = int(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  vantorel::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintEditorSummary();
  benchmark::Shutdown();
}
