#include "ratio_reporter.h"

#include <unistd.h>

#include <cstdio>

namespace vantorel::bench {
namespace {

// CPU time: on a shared machine the wall clock also counts the time other programs
// hold the processor.
double Nanoseconds(const benchmark::BenchmarkReporter::Run& run) {
  return run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

double WallNanoseconds(const benchmark::BenchmarkReporter::Run& run) {
  return run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

// The name Google Benchmark gives a table benchmark: one iteration, timed both ways.
std::string TableRun(const char* name) {
  return std::string(name) + "/iterations:1/process_time/real_time";
}

}  // namespace

RatioReporter::RatioReporter()
    : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

// With repetitions the aggregates "min", "median" and "max" arrive; a single run stands
// for all three.
void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.report_big_o || run.report_rms) continue;
    Keep(times_[run.run_name.str()], run, Nanoseconds(run));
    Keep(wallTimes_[run.run_name.str()], run, WallNanoseconds(run));
  }
}

void RatioReporter::Keep(Spread& spread, const Run& run, double ns) {
  if (run.run_type == Run::RT_Iteration) {
    spread = {ns, ns, ns};
  } else if (run.aggregate_name == "min") {
    spread.min = ns;
  } else if (run.aggregate_name == "median") {
    spread.median = ns;
  } else if (run.aggregate_name == "max") {
    spread.max = ns;
  }
}

const Spread* RatioReporter::Find(const std::string& name) const {
  auto found = times_.find(name);
  return found == times_.end() ? nullptr : &found->second;
}

void RatioReporter::PrintRatio(const char* label, const std::string& numerator,
                               const std::string& denominator, const char* target) const {
  const Spread* a = Find(numerator);
  const Spread* b = Find(denominator);
  if (!a || !b) return;
  std::printf("  %-52s %8.4f  (min %.4f, max %.4f)  %s\n", label, a->median / b->median,
              a->min / b->min, a->max / b->max, target);
}

void RatioReporter::PrintAnswerTime(const char* label, const std::string& name,
                                    double limitMs) const {
  const Spread* s = Find(name);
  if (!s) return;
  std::printf("  %-52s %8.2f ms (min %.2f, max %.2f)  %s %g ms\n", label, s->median / 1e6,
              s->min / 1e6, s->max / 1e6, s->max / 1e6 < limitMs ? "under" : "OVER", limitMs);
}

void RatioReporter::PrintSummary() const {
  std::printf("\nRatios of median CPU times (in brackets: of the minimums, of the maximums)\n");
  PrintRatio("compile+evaluate / muparser parse+evaluate", "BM_Ours_CompileEvaluate",
             "BM_MuParser_ParseEvaluate", "target at most 0.05");
  PrintRatio("compile+calculate / muparser parse+evaluate", "BM_Ours_CompileCalculate",
             "BM_MuParser_ParseEvaluate", "");
  PrintRatio("evaluate, cached form / hand-written long double", "BM_Ours_EvaluateCached",
             "BM_HandWritten_LongDouble", "target at most 2");
  PrintRatio("calculate, compiled form / hand-written long double", "BM_Ours_Calculate",
             "BM_HandWritten_LongDouble", "target at most 2");
  PrintRatio("muparser evaluate / hand-written long double", "BM_MuParser_Evaluate",
             "BM_HandWritten_LongDouble", "");
  PrintRatio("muparser parse+evaluate / compile+evaluate", "BM_MuParser_ParseEvaluate",
             "BM_Ours_CompileEvaluate", "");
  std::printf("\nLong formulas, compiled and evaluated on a new engine (CPU time)\n");
  PrintAnswerTime("\"1+1+...+1\", 1 MB", "BM_LongSum/1048576");
  PrintAnswerTime("100,000 nested parentheses", "BM_NestedParentheses/100000");
  PrintRatio("1 MB sum / 256 KB sum (4 is linear)", "BM_LongSum/1048576",
             "BM_LongSum/262144", "");
  PrintRatio("100,000 / 25,000 parentheses (4 is linear)", "BM_NestedParentheses/100000",
             "BM_NestedParentheses/25000", "");
  std::printf("\nExact arithmetic\n");
  if (const Spread* s = Find("BM_Exact_ColdCompute")) {
    std::printf("  %-52s %8.1f us (min %.1f, max %.1f)  target at most 1000 us\n",
                "one cold Compute of the default formula", s->median / 1e3, s->min / 1e3,
                s->max / 1e3);
  }
  PrintRatio("table of 1,000,000 lines, exact / 80-bit", "BM_Table_Exact/1/iterations:1",
             "BM_Table_EightyBit/1/iterations:1", "target at most 3");
  PrintRatio("the same, values only (no texts)", "BM_Table_Exact/0/iterations:1",
             "BM_Table_EightyBit/0/iterations:1", "");
  PrintTable();
}

void RatioReporter::PrintTable() const {
  const std::string ours = TableRun("BM_Table_Ours");
  const std::string peer = TableRun("BM_Table_HandWritten");
  const auto wallOurs = wallTimes_.find(ours);
  const auto wallPeer = wallTimes_.find(peer);
  const Spread* cpuOurs = Find(ours);
  if (wallOurs == wallTimes_.end() || wallPeer == wallTimes_.end() || !cpuOurs) return;
  std::printf("\nA table of a million lines of sin(x)*cos(x)+sqrt(x) (CPU: all threads)\n");
  PrintSeconds("vantorel-eval's table, wall clock", wallOurs->second, "target at most 0.35 s");
  PrintSeconds("vantorel-eval's table, CPU", *cpuOurs, "");
  const Spread& a = wallOurs->second;
  const Spread& b = wallPeer->second;
  std::printf("  %-52s %8.4f  (min %.4f, max %.4f)\n", "wall clock / hand-written to_chars",
              a.median / b.median, a.min / b.min, a.max / b.max);
  PrintRatio("CPU / hand-written to_chars", ours, peer, "");
}

void RatioReporter::PrintSeconds(const char* label, const Spread& s, const char* target) {
  std::printf("  %-52s %8.3f s  (min %.3f, max %.3f)  %s\n", label, s.median / 1e9,
              s.min / 1e9, s.max / 1e9, target);
}

// Each of them runs once per repetition (see editor_benchmarks.cpp).
// Each editor benchmark runs one iteration per repetition: its name ends "/iterations:1".
void RatioReporter::PrintEditorSummary() const {
  auto once = [](const char* name) { return std::string(name) + "/iterations:1"; };
  std::printf("\nThe editors with a megabyte of input (CPU time)\n");
  PrintAnswerTime("X value: 1 MB of letters pasted, cut back", once("BM_XValuePasteCutBack"));
  PrintRatio("  beside a line edit taking the text", once("BM_XValuePasteCutBack"),
             once("BM_LineEditTakesText"), "");
  PrintAnswerTime("formula \"1+1+...\", 1 MB: shown", once("BM_ShowSumWithoutBlanks"), 1000);
  PrintRatio("  beside \"1 + 1 + ...\", 1 MB, shown", once("BM_ShowSumWithoutBlanks"),
             once("BM_ShowSumWithBlanks"), "");
  PrintAnswerTime("formula \"1+1+...\", 1 MB: pasted", once("BM_PasteSumWithoutBlanks"), 1000);
  PrintAnswerTime("formula \"1+1+...\", 1 MB: one key typed",
                  once("BM_TypeIntoSumWithoutBlanks"), 1000);
  PrintRatio("  beside one key typed into the default formula",
             once("BM_TypeIntoSumWithoutBlanks"), once("BM_TypeIntoDefaultFormula"), "");
  PrintAnswerTime("window opened with it stored", once("BM_OpenWithStoredSum"), 1000);
  PrintRatio("  beside the window with the default formula stored", once("BM_OpenWithStoredSum"),
             once("BM_OpenWithStoredDefault"), "");
}

int RunBenchmarks(int argc, char** argv, void (RatioReporter::*summary)() const,
                  const std::function<void()>& before) {
  static char repetitions[] = "--benchmark_repetitions=10";
  static char aggregates[] = "--benchmark_display_aggregates_only=true";
  std::vector<char*> args = {argv[0], repetitions, aggregates};
  args.insert(args.end(), argv + 1, argv + argc);
  int count = int(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  if (before) before();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  (reporter.*summary)();
  benchmark::Shutdown();
  return 0;
}

}  // namespace vantorel::bench
