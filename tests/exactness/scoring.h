#pragma once
// How close an evaluator comes to a reference table: the share of correctly rounded
// results, the largest error in ulps, and the failures it gives or misses.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "reference_table.h"

namespace vantorel::exactness {

// What one evaluation gave: a value, or the message of its failure.
struct Outcome {
  std::optional<double> value;
  std::string message;
};

using Evaluator = std::function<Outcome(const ReferenceRow&, const std::string& formula)>;

// Signed count of doubles from `from` to `to`; +0 and -0 count as one.
std::int64_t UlpSteps(double from, double to);

struct Miss {
  ReferenceRow row;
  Outcome got;
  std::int64_t steps = 0;  // from expected to the result; 0 when a failure is involved
};

struct Score {
  std::size_t values = 0;              // rows with an expected value
  std::size_t correctlyRounded = 0;
  std::size_t failuresDue = 0;         // rows that must fail
  std::size_t valuesInsteadOfFailure = 0;
  std::size_t failuresInsteadOfValue = 0;
  std::int64_t maxSteps = 0;           // largest distance in doubles from expected
  double maxError = 0;                 // largest |result - exact| in ulps
  std::vector<Miss> misses;            // every row not answered exactly right

  double CorrectShare() const;
};

Score ScoreTable(const ReferenceTable& table, const Evaluator& evaluate);

// One line naming a miss: mode, x, formula, expected and what came instead.
std::string Describe(const ReferenceTable& table, const Miss& miss);

}  // namespace vantorel::exactness
