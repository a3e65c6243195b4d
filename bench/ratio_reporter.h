#pragma once
// A console reporter that keeps each benchmark's minimum, median and maximum time and,
// after the run, prints the ratios the engine is measured by.

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vantorel::bench {

struct Spread {
  double min = 0, median = 0, max = 0;  // nanoseconds
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, so that a saved report stays plain text.
  RatioReporter();
  void ReportRuns(const std::vector<Run>& runs) override;
  void PrintSummary() const;
  // The editors' benchmarks (vantorel_editor_bench).
  void PrintEditorSummary() const;

 private:
  const Spread* Find(const std::string& name) const;
  void PrintRatio(const char* label, const std::string& numerator,
                  const std::string& denominator, const char* target) const;
  void PrintAnswerTime(const char* label, const std::string& name,
                       double limitMs = 100) const;
  void PrintTable() const;
  static void PrintSeconds(const char* label, const Spread& spread, const char* target);
  static void Keep(Spread& spread, const Run& run, double ns);

  std::map<std::string, Spread> times_;      // CPU time
  std::map<std::string, Spread> wallTimes_;  // wall clock
};

// A benchmark program's main: the benchmarks named on its command line (every Google
// Benchmark option works), 10 repetitions each unless told otherwise; `before` runs once
// the options are read, and `summary` prints the program's ratios at the end.
int RunBenchmarks(int argc, char** argv, void (RatioReporter::*summary)() const,
                  const std::function<void()>& before = {});

}  // namespace vantorel::bench
