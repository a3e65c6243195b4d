#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <thread>
#include <vector>

#include "engine/compiled_formula.h"
#include "engine/decimal.h"
#include "engine_test_support.h"

namespace vantorel {
namespace {

// Parts without x are worked out once, with the angle mode in force; x and constants
// go into the step that uses them.
TEST(CompiledFormula, FoldsEveryPartWithoutX) {
  const std::pair<const char*, std::size_t> cases[] = {
      {"2 * 3 + sin(1) / Pi", 1},
      {"Sin(90)", 1},
      {"x", 1},
      {"x - 187", 1},
      {"2 * x", 1},
      {"sin(2)*3 + x", 1},
      {"Square(x)", 1},
      {"2 - Sin(x)", 2},
      {"1/0", 2},  // left to fail when calculated
  };
  for (const auto& [formula, size] : cases) {
    EXPECT_EQ(CompiledFormula::Compile(formula, '.', AngleMode::Degrees).Size(), size)
        << formula;
  }
  auto degrees = CompiledFormula::Compile("Sin(90) + x", '.', AngleMode::Degrees);
  EXPECT_EQ(degrees.Calculate(1), 2);
}

struct FusedCase {
  const char* formula;
  long double x;
  double value;
};

// Every way an operand joins its operation's step keeps the operands' order.
const FusedCase kFused[] = {
    {"x + 3", 5, 8},         {"x - 3", 5, 2},         {"x * 3", 5, 15},
    {"x / 4", 5, 1.25},      {"3 + x", 5, 8},         {"3 - x", 5, -2},
    {"3 * x", 5, 15},        {"5 / x", 4, 1.25},      {"Abs(x) + 3", -5, 8},
    {"Abs(x) - 3", -5, 2},   {"Abs(x) * 3", -5, 15},  {"Abs(x) / 4", -5, 1.25},
    {"3 + Abs(x)", -5, 8},   {"3 - Abs(x)", -5, -2},  {"3 * Abs(x)", -5, 15},
    {"5 / Abs(x)", -4, 1.25}, {"Abs(x) + x", -5, 0},  {"Abs(x) - x", -5, 10},
    {"Abs(x) * x", -5, -25}, {"Abs(x) / x", -5, -1},  {"x + Abs(x)", -5, 0},
    {"x - Abs(x)", -5, -10}, {"x * Abs(x)", -5, -25}, {"x / Abs(x)", -5, -1},
    {"x - x", 5, 0},         {"x / x", 5, 1},         {"Square(x) - 1", 3, 8},
    {"1 - Sqrt(x)", 16, -3}, {"-x - 1", 2, -3},       {"-(x / 4)", 2, -0.5},
};

TEST(CompiledFormula, FusedStepsKeepTheOrderOfTheOperands) {
  for (const FusedCase& c : kFused) {
    EXPECT_EQ(testing::Evaluate(c.formula, AngleMode::Radians, c.x), c.value)
        << c.formula << " at x = " << static_cast<double>(c.x);
  }
}

struct FusedFailure {
  const char* formula;
  long double x;
  const char* message;
};

// An intermediate value beyond the long double range fails where it arises, even when
// later steps would bring it back into range or to a NaN.
const FusedFailure kFusedFailures[] = {
    {"1 / x", 0, "Division by zero"},
    {"x / 0", 1, "Division by zero"},
    {"1 / (x - 2)", 2, "Division by zero"},
    {"x / (x - 2)", 2, "Division by zero"},
    {"x * 1E4000 / 1E4000", 1E4000L, "Result out of range"},
    {"1 / (x * 1E4000)", 1E4000L, "Result out of range"},
    {"1 / (1E4000 * x)", 1E4000L, "Result out of range"},
    {"x * 1E4000 - x * 1E4000", 1E4000L, "Result out of range"},
    {"0 * (x * x)", 1E4000L, "Result out of range"},
    {"1E4000 / x", 1E-4000L, "Result out of range"},
    {"Sqrt(x) - 1/x", 0, "Division by zero"},
    {"1/x + Sqrt(-x - 1)", 0, "Division by zero"},
    {"Sqrt(-x - 1) + 1/x", 0, "Square root of a negative number"},
};

TEST(CompiledFormula, FusedStepsFailWhereTheirValueFails) {
  for (const FusedFailure& c : kFusedFailures) {
    EXPECT_EQ(testing::ErrorOf(c.formula, AngleMode::Radians, c.x), c.message)
        << c.formula << " at x = " << static_cast<double>(c.x);
  }
}

// The formula ends at the first character after a complete sum that no operator
// continues; the window reports the rest as a comment.
TEST(CompiledFormula, KnowsWhereTheCommentBegins) {
  const std::pair<const char*, std::size_t> cases[] = {
      {"2*x", 3},
      {"2*x   ", 6},
      {"2*x  the slope", 5},
      {"(x+1) ) 7", 6},
      {"2 x", 2},
      {"2 + 3 4", 6},
      {"sin(x) cos(x)", 7},
  };
  for (const auto& [formula, end] : cases) {
    EXPECT_EQ(CompiledFormula::Compile(formula, '.', AngleMode::Radians).FormulaEnd(), end)
        << formula;
  }
}

TEST(CompiledFormula, CalculatesForManyValuesOfX) {
  auto formula = CompiledFormula::Compile("Square(x) - 2 * x + 1", '.', AngleMode::Radians);
  EXPECT_TRUE(formula.UsesX());
  for (int x = -50; x <= 50; ++x) EXPECT_EQ(formula.Calculate(x), (x - 1.0) * (x - 1.0));
  EXPECT_THROW(formula.Calculate(1e4000L), TMathExpr);
  auto constant = CompiledFormula::Compile("2", '.', AngleMode::Radians);
  EXPECT_FALSE(constant.UsesX());
}

TEST(CompiledFormula, TheEngineGivesTheSameResultsWithItsCache) {
  ExpressionEngine engine;
  const char* formula = "Sin(x) + 1/x";
  for (long double x : {1.0L, 2.0L, 1.0L}) {
    EXPECT_EQ(engine.Evaluate(formula, x, '.', AngleMode::Radians),
              CompiledFormula::Compile(formula, '.', AngleMode::Radians).Calculate(x));
  }
  EXPECT_EQ(engine.Evaluate("Sin(90)", 0, '.', AngleMode::Degrees), 1);
  EXPECT_NE(engine.Evaluate("Sin(90)", 0, '.', AngleMode::Radians), 1);
  EXPECT_EQ(engine.Evaluate("2,5", 0, ',', AngleMode::Radians), 2.5);
  EXPECT_EQ(engine.Evaluate("2,5", 0, '.', AngleMode::Radians), 2);
  EXPECT_THROW(engine.Evaluate(formula, 0, '.', AngleMode::Radians), TMathExpr);
  ExpressionEngine copy = engine;
  EXPECT_EQ(copy.Evaluate(formula, 1, '.', AngleMode::Radians),
            engine.Evaluate(formula, 1, '.', AngleMode::Radians));
}

TEST(CompiledFormula, OneEngineServesSeveralThreads) {
  ExpressionEngine engine;
  std::vector<std::thread> threads;
  std::vector<int> wrong(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&engine, &wrong, t] {
      std::string formula = "x * " + std::to_string(t + 1);
      for (int i = 0; i < 2000; ++i) {
        if (engine.Evaluate(formula, i, '.', AngleMode::Radians) != i * (t + 1.0)) ++wrong[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

// Numbers are read with the formula's separator whatever the C locale says.
TEST(CompiledFormula, ReadsNumbersWhateverTheLocale) {
  const char* locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
  const char* found = nullptr;
  for (const char* name : locales) {
    if (std::setlocale(LC_ALL, name)) {
      found = name;
      break;
    }
  }
  if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";
  EXPECT_EQ(testing::Evaluate("2.5 + 0.12345678901234567890123"), 2.6234567890123457);
  EXPECT_EQ(testing::Evaluate("2,5", AngleMode::Radians, 0, ','), 2.5);
  EXPECT_EQ(DecimalToLongDouble("0.1234567890123456789012345", '.'),
            0.1234567890123456789012345L);
  std::setlocale(LC_ALL, "C");
}

TEST(CompiledFormula, DecimalsAreRoundedOnceToNearest) {
  const std::pair<const char*, long double> cases[] = {
      {"0.1", 0.1L},
      {"3.1415926535897932384626433832795", 3.1415926535897932384626433832795L},
      {"18446744073709551615", 18446744073709551615.0L},
      {"18446744073709551617", 18446744073709551617.0L},
      {"1E4932", 1E4932L},
      {"1E-4950", 3 * std::numeric_limits<long double>::denorm_min()},
      {"0E99999", 0},
      {"1,5e-3", 1.5e-3L},
  };
  for (const auto& [digits, value] : cases) {
    EXPECT_EQ(DecimalToLongDouble(digits, digits[1] == ',' ? ',' : '.'), value) << digits;
  }
  EXPECT_FALSE(DecimalToLongDouble("1E4933", '.'));
  EXPECT_FALSE(DecimalToLongDouble("1E99999999999999999999", '.'));
}

}  // namespace
}  // namespace vantorel
