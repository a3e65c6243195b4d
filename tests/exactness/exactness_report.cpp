// Prints the exactness figures as Markdown: for every function the share of correctly
// rounded results and the largest error in ulps, for the engine and for plain double
// arithmetic of the same definitions; then the messages the engine gave for each kind
// of failure, and the default formula's values.
//
// Usage: vantorel_exactness_report [DATA_FOLDER]

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "double_definitions.h"
#include "engine_evaluator.h"
#include "reference_table.h"
#include "scoring.h"

namespace vantorel::exactness {
namespace {

std::string Figures(const Score& score) {
  char text[96];
  int wrong = int(score.valuesInsteadOfFailure + score.failuresInsteadOfValue);
  std::snprintf(text, sizeof text, "%.2f%% | %.3g | %d", 100 * score.CorrectShare(),
                score.maxError, wrong);
  return text;
}

// Every message the engine gave where a failure was due, by kind of failure.
using MessagesByKind = std::map<std::string, std::map<std::string, int>>;

Evaluator Recording(Evaluator evaluate, MessagesByKind& messages) {
  return [evaluate, &messages](const ReferenceRow& row, const std::string& formula) {
    Outcome got = evaluate(row, formula);
    if (!row.expected && !got.value) ++messages[row.failure][got.message];
    return got;
  };
}

// Every engine result that is not the correctly rounded one, with how far the exact
// value lies from the rounding boundary (a residual near 0.5 is a near-tie).
std::vector<std::string> engineMisses;

void KeepMisses(const ReferenceTable& table, const Score& score) {
  for (const Miss& miss : score.misses) {
    char residual[32];
    std::snprintf(residual, sizeof residual, " [residual %.2f]", miss.row.residual);
    engineMisses.push_back(Describe(table, miss) + residual);
  }
}

void PrintFunctions(const std::string& folder, MessagesByKind& messages) {
  std::printf("| Function | Points (with a value) | Engine: correctly rounded | max error (ulp) | wrong "
              "failures | Double: correctly rounded | max error (ulp) | wrong failures |\n"
              "|---|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const std::string& name : TableNames(folder)) {
    if (name == "default_formula" || name == "constants") continue;
    ReferenceTable table = ReadTable(folder + "/" + name + ".tsv");
    Score engine = ScoreTable(table, Recording(EngineEvaluator(), messages));
    Score plain = ScoreTable(table, DoubleEvaluator());
    KeepMisses(table, engine);
    std::printf("| %s | %zu (%zu) | %s | %s |\n", name.c_str(), table.rows.size(),
                engine.values, Figures(engine).c_str(), Figures(plain).c_str());
  }
}

void PrintMessages(const MessagesByKind& messages) {
  std::printf("\n| Failure due | Engine message | Times |\n|---|---|---:|\n");
  for (const auto& [kind, texts] : messages) {
    for (const auto& [text, count] : texts) {
      std::printf("| %s | %s | %d |\n", kind.c_str(), text.c_str(), count);
    }
  }
}

void PrintConstants(const std::string& folder) {
  ReferenceTable table = ReadTable(folder + "/constants.tsv");
  Score score = ScoreTable(table, EngineEvaluator());
  std::printf("\nConstants: %zu of %zu the nearest double of their decimal, at most %lld ulp "
              "away\n", score.correctlyRounded, score.values, (long long)score.maxSteps);
  for (const Miss& miss : score.misses) std::printf("  %s\n", Describe(table, miss).c_str());
}

void PrintDefaultFormula(const std::string& folder) {
  ReferenceTable table = ReadTable(folder + "/default_formula.tsv");
  Evaluator engine = EngineEvaluator();
  std::printf("\n| x | Default formula, exact (rounded) | Engine |\n|---:|---:|---:|\n");
  for (const ReferenceRow& row : table.rows) {
    Outcome got = engine(row, table.formulas[row.formula]);
    std::printf("| %.17g | %.17g | %.17g |\n", row.x, *row.expected,
                got.value ? *got.value : 0.0);
  }
}

}  // namespace
}  // namespace vantorel::exactness

int main(int argc, char** argv) {
  using namespace vantorel::exactness;
  std::string folder = argc > 1 ? argv[1] : DataFolder();
  MessagesByKind messages;
  PrintFunctions(folder, messages);
  PrintMessages(messages);
  PrintConstants(folder);
  std::printf("\nEngine results not correctly rounded:\n");
  for (const std::string& miss : engineMisses) std::printf("  %s\n", miss.c_str());
  PrintDefaultFormula(folder);
}
