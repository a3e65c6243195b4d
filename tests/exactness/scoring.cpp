#include "scoring.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vantorel::exactness {
namespace {

// Doubles in the order of their values, as integers: -0 and +0 both map to 0.
std::int64_t Ordered(double value) {
  auto bits = std::bit_cast<std::int64_t>(value);
  return bits < 0 ? -(bits & std::numeric_limits<std::int64_t>::max()) : bits;
}

std::string Text(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
}

const char* ModeName(AngleMode mode) {
  switch (mode) {
    case AngleMode::Degrees: return "D";
    case AngleMode::Grads: return "G";
    default: return "R";
  }
}

void ScoreValue(const ReferenceRow& row, const Outcome& got, Score& score) {
  ++score.values;
  if (!got.value) {
    ++score.failuresInsteadOfValue;
    score.misses.push_back({row, got, 0});
    return;
  }
  std::int64_t steps = UlpSteps(*row.expected, *got.value);
  score.maxSteps = std::max(score.maxSteps, steps < 0 ? -steps : steps);
  score.maxError = std::max(score.maxError, std::fabs(double(steps) - row.residual));
  if (steps == 0) {
    ++score.correctlyRounded;
  } else {
    score.misses.push_back({row, got, steps});
  }
}

}  // namespace

std::int64_t UlpSteps(double from, double to) {
  std::int64_t a = Ordered(from);
  std::int64_t b = Ordered(to);
  bool overflows = (a < 0) != (b < 0) &&
                   (b > 0 ? b > std::numeric_limits<std::int64_t>::max() + a
                          : b < std::numeric_limits<std::int64_t>::min() + a);
  if (overflows) {
    return b > 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
  }
  return b - a;
}

double Score::CorrectShare() const {
  return values == 0 ? 1.0 : double(correctlyRounded) / double(values);
}

Score ScoreTable(const ReferenceTable& table, const Evaluator& evaluate) {
  Score score;
  for (const ReferenceRow& row : table.rows) {
    Outcome got = evaluate(row, table.formulas[row.formula]);
    if (row.expected) {
      ScoreValue(row, got, score);
      continue;
    }
    ++score.failuresDue;
    if (got.value) {
      ++score.valuesInsteadOfFailure;
      score.misses.push_back({row, got, 0});
    }
  }
  return score;
}

std::string Describe(const ReferenceTable& table, const Miss& miss) {
  const ReferenceRow& row = miss.row;
  std::string text = std::string(ModeName(row.mode)) + " x=" + Text(row.x) + " " +
                     table.formulas[row.formula] + ": expected ";
  text += row.expected ? Text(*row.expected) : "failure (" + row.failure + ")";
  text += ", got ";
  text += miss.got.value ? Text(*miss.got.value) : "failure \"" + miss.got.message + "\"";
  if (miss.steps != 0) text += " (" + std::to_string(miss.steps) + " ulp)";
  return text;
}

}  // namespace vantorel::exactness
