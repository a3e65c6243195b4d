// The editors with very long input, in the real window on the offscreen platform. Runs
// 10 repetitions of each benchmark unless told otherwise; every Google Benchmark option
// works.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "ratio_reporter.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  using vantorel::bench::RatioReporter;
  return vantorel::bench::RunBenchmarks(argc, argv, &RatioReporter::PrintEditorSummary);
}
