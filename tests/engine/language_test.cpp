#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace vantorel {
namespace {

using testing::ErrorOf;
using testing::Evaluate;

struct Case {
  const char* formula;
  double value;
};

void ExpectValues(std::initializer_list<Case> cases, char separator = '.') {
  for (const Case& c : cases) {
    EXPECT_EQ(Evaluate(c.formula, AngleMode::Radians, 15, separator), c.value) << c.formula;
  }
}

TEST(Language, DivisionBindsTighterThanMultiplicationAndEqualLevelsGroupLeft) {
  ExpectValues({
      {"4 - 2 + 1", 3},
      {"10 - 4 - 3", 3},
      {"4 * 5 * 6 / 1 * 2 * 3", 720},
      {"(4*5*6)/(1*2*3)", 20},
      {"8 / 4 / 2", 1},
      {"2 * 8 / 4", 4},
      {"8 / 4 * 2", 4},
      {"1 / 2 * 4", 2},
      {"12 * 6 / 3 / 2", 12},
      {"2 + 3 * 4", 14},
      {"2 * 3 + 4 * 5", 26},
      {"2 + 3 / 4 * 8", 8},
      {"x + 2 * x + x", 60},
      {"((2 + 3)) * ((4))", 20},
      {"sqrt(square(3)+square(4))", 5},
  });
}

// After a complete formula at the top level, anything but an infix operator begins a
// comment; inside parentheses it is an error.
TEST(Language, TextAfterACompleteFormulaIsAComment) {
  ExpectValues({
      {"2 + 3 the sum of two numbers", 5},
      {"2 + 3)", 5},
      {"2x", 2},
      {"2^3", 2},
      {"2 3", 2},
      {"x y", 15},
      {"1 + 1 ; 7", 2},
      {"2,5", 2},
      {"2.", 2},
      {"2e", 2},
      {"2E+", 2},
      {"pi(2)", 3.141592653589793},
      {"1 + 1 |comment", 2},
      {"2 \r 3", 2},
      {"2   + 3   4 + 5", 5},
      {"2 + 3 \x80\xff", 5},
  });
  const char* errors[] = {"Sqrt(3^2 + 4^2)", "(2 3)", "Power(2 3;1)", "(2x)", "(1;2)"};
  for (const char* formula : errors) {
    EXPECT_NE(ErrorOf(formula).rfind("no error", 0), 0u) << formula;
  }
}

TEST(Language, AContinuationThatFailsIsAnError) {
  const char* formulas[] = {"2 + foo", "2 +", "2 * (3", "2 + sin 3", "2 + power(2)", "1 +  "};
  for (const char* formula : formulas) {
    EXPECT_NE(ErrorOf(formula).rfind("no error", 0), 0u) << formula;
  }
}

TEST(Language, OneSignMayStandBeforeAnyOperand) {
  ExpectValues({
      {"-3 + x", 12},
      {"2 * -3", -6},
      {"2 * - 3", -6},
      {"x / +2", 7.5},
      {"(-3)", -3},
      {"power(x;-2)", 1.0 / 225},
      {"-x", -15},
      {"- x", -15},
      {"-sin(0)", 0},
      {"-(2+3)", -5},
      {"-(2+3)*4", -20},
      {"2--3", 5},
      {"2 - -3", 5},
      {"2-+3", -1},
      {"+pi - pi", 0},
      {"-2/4", -0.5},
      {"2E-5 * 1E5", 2},
      {"2E+5", 200000},
      {"-0", 0},
  });
  const char* errors[] = {"--3", "+-3", "2 * --3", "- - x", "2 * -", "-"};
  for (const char* formula : errors) {
    EXPECT_NE(ErrorOf(formula).rfind("no error", 0), 0u) << formula;
  }
}

TEST(Language, ZeroNeverComesOutNegative) {
  EXPECT_FALSE(std::signbit(Evaluate("-0")));
  EXPECT_FALSE(std::signbit(Evaluate("-1E-4000")));
  EXPECT_FALSE(std::signbit(Evaluate("0 * -1")));
}

TEST(Language, OnlyTheGivenDecimalSeparatorBelongsToNumbers) {
  ExpectValues({{"2.55", 2.55}, {"2.0E-3", 0.002}, {"1.5e2", 150}, {"0.5461", 0.5461}}, '.');
  ExpectValues({{"2,55", 2.55}, {"2,0E-3", 0.002}, {"power(2,5;2)", 6.25}, {"2.55", 2}}, ',');
  const char* comma =
      "(2*x) + square(x) + power(x;3) + power(2,55;4) + logbaseN(4;6,25)";
  const char* point =
      "(2*x) + square(x) + power(x;3) + power(2.55;4) + logbaseN(4;6.25)";
  EXPECT_EQ(Evaluate(comma, AngleMode::Radians, 15, ','), Evaluate(point));
  EXPECT_EQ(ErrorOf("power(2.55;4)", AngleMode::Radians, 15, ','), "';' expected at position 8");
  EXPECT_EQ(ErrorOf(".5"), "Digit expected before '.' at position 1");
  EXPECT_EQ(ErrorOf(",5", AngleMode::Radians, 15, ','), "Digit expected before ',' at position 1");
  EXPECT_EQ(ErrorOf("2", AngleMode::Radians, 15, ';'), "The decimal separator must be '.' or ','");
}

TEST(Language, NumbersAreReadExactlyAndRoundedOnce) {
  ExpectValues({
      {"0.1", 0.1},
      {"123456789012345678901234567890", 1.2345678901234568e29},
      {"2.2250738585072014E-308", 2.2250738585072014e-308},
      {"4.9406564584124654E-324", 4.9406564584124654e-324},
      {"1.7976931348623157E308", 1.7976931348623157e308},
      {"0.000000000000000000000000000000000001", 1e-36},
      {"1E-5000", 0},
      {"1E4000 / 1E3999", 10},
      {"00012.5000", 12.5},
  });
}

TEST(Language, NamesIgnoreCaseAndReadAsFarAsLettersAndDigitsGo) {
  ExpectValues({
      {"SQRT(SQUARE(3)+SQUARE(4))", 5},
      {"Exp(0) + EXP(0) + exp(0)", 3},
      {"PI - pi", 0},
      {"PIon2 - PiOn2", 0},
      {"X - x", 0},
      {"LogE - LogNConst", 0},
      {"Sqrt2 - Sqrt(2)", 0},
      {"Ln2 - Ln(2)", 0},
      {"ArcTan2(1;1) - ArcTan(1)", 0},
      {"sin (0) + cos  (0)", 1},
  });
}

TEST(Language, AFormulaWithoutXIgnoresIt) {
  EXPECT_EQ(Evaluate("2 + 3", AngleMode::Radians, 1e300L), 5);
  EXPECT_EQ(Evaluate("2 + 3", AngleMode::Degrees, 0), 5);
}

TEST(Language, ArithmeticFailures) {
  const std::pair<const char*, const char*> cases[] = {
      {"1/0", "Division by zero"},
      {"1/(x-15)", "Division by zero"},
      {"1E4000 * 1E4000", "Result out of range"},
      {"1E300 * 1E300", "Result out of range"},
      {"1/(1E4000*1E4000)", "Result out of range"},
      {"1.8E308", "Result out of range"},
  };
  for (const auto& [formula, message] : cases) EXPECT_EQ(ErrorOf(formula), message) << formula;
  EXPECT_EQ(Evaluate("1.797E308 * 2 / 2"), 1.797e308);  // only the long double range counts
}

TEST(Language, TinyResultsAreSubnormalAndVanishOnlyBelowTheSmallest) {
  EXPECT_EQ(Evaluate("1E-310"), 1e-310);
  EXPECT_EQ(Evaluate("1E-320 * 3"), 3e-320);
  EXPECT_EQ(Evaluate("5E-324"), 4.9406564584124654e-324);
  EXPECT_EQ(Evaluate("2E-324"), 0);
}

TEST(Language, TheDefaultFormulaIsExact) {
  const char* formula =
      "5.44E-4 * (x - 187) + (2 * x) + square(x) + sin(x/deg) + logbaseN(6;2.77) + "
      "sin(tan(cos(43.243)/ln(9.765))/(tan(34.3)*logbaseN(2;3)))*(x - 1.87E-3) + "
      "sqrt(square(3)+square(4*x))";
  EXPECT_EQ(Evaluate(formula), 0x1.30fec146acbbdp+8);  // 304.99513665883185716...
  std::string comma = formula;
  for (char& c : comma) c = c == '.' ? ',' : c;
  EXPECT_EQ(Evaluate(comma, AngleMode::Radians, 15, ','), 0x1.30fec146acbbdp+8);
}

}  // namespace
}  // namespace vantorel
