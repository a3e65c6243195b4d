#pragma once
// The reference tables of tests/data/exactness: for each argument, the correctly rounded
// double of a formula's exact value, or the failure the formula must give.

#include <optional>
#include <string>
#include <vector>

#include "engine/expression_engine.h"

namespace vantorel::exactness {

struct ReferenceRow {
  AngleMode mode = AngleMode::Radians;
  double x = 0;
  std::size_t formula = 0;          // index into ReferenceTable::formulas
  std::optional<double> expected;   // empty when the formula must fail
  std::string failure;              // "divzero", "noreal" or "range" when it must
  double residual = 0;              // (exact - expected) in ulps of expected
};

struct ReferenceTable {
  std::string name;                 // the file name without ".tsv": "sin", "power"
  std::vector<std::string> formulas;
  std::vector<ReferenceRow> rows;
};

// Reads one table; throws std::runtime_error naming the file and line of a fault.
ReferenceTable ReadTable(const std::string& path);

// Every table of the folder, sorted by name.
std::vector<std::string> TableNames(const std::string& folder);

// The folder the build was configured with.
std::string DataFolder();

}  // namespace vantorel::exactness
