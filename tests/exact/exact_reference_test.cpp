// Every function in every angle mode at exact decimal arguments, against mpmath's values
// (tests/exactness/generate_exact_tables.py): the correctly rounded double, its 15
// digits and each failure, all certified.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "engine/exact/exact_formula.h"
#include "engine/messages.h"
#include "exact_test_support.h"

namespace vantorel {
namespace {

AngleMode ModeOf(const std::string& letter) {
  return letter == "D" ? AngleMode::Degrees : letter == "G" ? AngleMode::Grads : AngleMode::Radians;
}

// The table's name of a failure's message.
std::string FailureKind(const CalculationError& failure) {
  switch (failure.code()) {
    case ErrorCode::DivisionByZero: return "divzero";
    case ErrorCode::OutOfRange: return "range";
    default: return "noreal";
  }
}

TEST(ExactReference, EveryFunctionCorrectlyRoundedInEveryMode) {
  std::ifstream in(std::string(VANTOREL_EXACT_DATA) + "/functions.tsv");
  ASSERT_TRUE(in) << "the reference table is missing";
  std::map<std::string, ExactFormula> formulas;
  std::string line;
  int rows = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream cells(line);
    std::string mode, formula, x, expected, digits;
    std::getline(cells, mode, '\t');
    std::getline(cells, formula, '\t');
    std::getline(cells, x, '\t');
    std::getline(cells, expected, '\t');
    std::getline(cells, digits, '\t');
    std::string key = mode + formula;
    auto found = formulas.find(key);
    if (found == formulas.end()) {
      found = formulas.emplace(key, ExactFormula::Compile(formula, '.', ModeOf(mode))).first;
    }
    ++rows;
    SCOPED_TRACE(mode + " " + formula + " x=" + x);
    if (digits == "-") {
      try {
        found->second.Calculate(x);
        ADD_FAILURE() << "no failure, expected " << expected;
      } catch (const CalculationError& failure) {
        EXPECT_EQ(FailureKind(failure), expected) << failure.what();
      }
      continue;
    }
    try {
      ExactResult r = found->second.Calculate(x);
      EXPECT_EQ(r.value, std::strtod(expected.c_str(), nullptr));
      EXPECT_EQ(DigitsText(r.shown), digits);
      EXPECT_TRUE(r.certified);
    } catch (const CalculationError& failure) {
      EXPECT_EQ(FailureKind(failure), expected) << failure.what();
    }
  }
  EXPECT_GT(rows, 4000);
}

}  // namespace
}  // namespace vantorel
