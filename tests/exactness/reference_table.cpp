#include "reference_table.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vantorel::exactness {
namespace {

constexpr std::string_view kFormulaLine = "# formula: ";

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream stream(line);
  for (std::string cell; std::getline(stream, cell, '\t');) cells.push_back(cell);
  return cells;
}

// strtod, not stod: subnormal values are valid here, not out of range.
double ReadDouble(const std::string& text) {
  char* end = nullptr;
  double value = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size()) throw std::invalid_argument(text);
  return value;
}

AngleMode ReadMode(const std::string& text) {
  if (text == "R") return AngleMode::Radians;
  if (text == "D") return AngleMode::Degrees;
  if (text == "G") return AngleMode::Grads;
  throw std::invalid_argument(text);
}

bool IsFailure(const std::string& text) {
  return text == "divzero" || text == "noreal" || text == "range";
}

// A row: mode TAB x TAB (expected double | failure kind) TAB (residual | "-").
ReferenceRow ReadRow(const std::string& line, std::size_t formula) {
  std::vector<std::string> cells = SplitTabs(line);
  if (cells.size() != 4) throw std::invalid_argument("expected 4 columns");
  ReferenceRow row;
  row.mode = ReadMode(cells[0]);
  row.x = ReadDouble(cells[1]);
  row.formula = formula;
  if (IsFailure(cells[2])) {
    row.failure = cells[2];
  } else {
    row.expected = ReadDouble(cells[2]);
    row.residual = ReadDouble(cells[3]);
  }
  return row;
}

}  // namespace

ReferenceTable ReadTable(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  ReferenceTable table;
  table.name = std::filesystem::path(path).stem().string();
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    try {
      if (line.starts_with(kFormulaLine)) {
        table.formulas.push_back(line.substr(kFormulaLine.size()));
      } else if (!line.empty() && line[0] != '#') {
        if (table.formulas.empty()) throw std::invalid_argument("row before any formula");
        table.rows.push_back(ReadRow(line, table.formulas.size() - 1));
      }
    } catch (const std::exception& e) {
      throw std::runtime_error(path + ":" + std::to_string(number) + ": " + e.what());
    }
  }
  return table;
}

std::vector<std::string> TableNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".tsv") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string DataFolder() { return VANTOREL_EXACTNESS_DATA; }

}  // namespace vantorel::exactness
