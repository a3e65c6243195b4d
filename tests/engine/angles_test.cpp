#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace vantorel {
namespace {

using testing::ErrorOf;
using testing::Evaluate;

struct AngleCase {
  const char* formula;
  double degrees;  // the value in Degrees
  double grads;    // the same formula in Grads, with every angle scaled by 10/9
};

// Whole quarter turns are exact after an exact reduction modulo the full turn.
TEST(Angles, QuarterTurnsGiveExactValues) {
  const std::pair<const char*, double> degrees[] = {
      {"Sin(180)", 0},    {"Sin(90)", 1},       {"Sin(-90)", -1},    {"Cos(90)", 0},
      {"Cos(-270)", 0},   {"Cos(180)", -1},     {"Cos(360)", 1},     {"Tan(45)", 1},
      {"Tan(-45)", -1},   {"Tan(135)", -1},     {"Tan(180)", 0},     {"Cot(45)", 1},
      {"Cot(90)", 0},     {"Cot(-135)", 1},     {"Sec(180)", -1},    {"Csc(270)", -1},
      {"Sin(3600090)", 1}, {"Cos(-36000000000000000090)", 0},    {"Coversine(90)", 0}, {"Versine(180)", 2},
      {"Haversine(180)", 1}, {"Exsecans(360)", 0},
  };
  for (const auto& [formula, value] : degrees) {
    EXPECT_EQ(Evaluate(formula, AngleMode::Degrees), value) << formula;
  }
  const std::pair<const char*, double> grads[] = {
      {"Sin(100)", 1}, {"Sin(200)", 0}, {"Cos(100)", 0}, {"Cos(-300)", 0},
      {"Tan(50)", 1},  {"Cot(350)", -1}, {"Sec(400)", 1},
  };
  for (const auto& [formula, value] : grads) {
    EXPECT_EQ(Evaluate(formula, AngleMode::Grads), value) << formula;
  }
}

TEST(Angles, PolesAreDivisionsByZero) {
  const std::pair<const char*, AngleMode> cases[] = {
      {"Tan(90)", AngleMode::Degrees},   {"Tan(-270)", AngleMode::Degrees},
      {"Cot(180)", AngleMode::Degrees},  {"Cot(0)", AngleMode::Degrees},
      {"Sec(90)", AngleMode::Degrees},   {"Csc(360)", AngleMode::Degrees},
      {"Exsecans(270)", AngleMode::Degrees}, {"Tan(100)", AngleMode::Grads},
      {"Csc(200)", AngleMode::Grads},
  };
  for (const auto& [formula, mode] : cases) {
    EXPECT_EQ(ErrorOf(formula, mode), "Division by zero") << formula;
  }
}

TEST(Angles, OtherAnglesAreTheRadianValuesOfTheConvertedAngle) {
  const std::pair<const char*, double> cases[] = {
      {"Sin(30)", 0.5},
      {"Cos(60)", 0.5},
      {"Sin(1)", 0.01745240643728351},
      {"Tan(10)", 0.17632698070846498},
      {"Cos(100000.5)", 0.18223552549214744},
  };
  for (const auto& [formula, value] : cases) {
    EXPECT_LE(testing::UlpDistance(Evaluate(formula, AngleMode::Degrees), value), 1) << formula;
  }
}

TEST(Angles, InverseFunctionsAnswerInTheSelectedUnit) {
  const AngleCase cases[] = {
      {"ArcSin(1)", 90, 100},     {"ArcSin(-1)", -90, -100}, {"ArcCos(-1)", 180, 200},
      {"ArcCos(0)", 90, 100},     {"ArcTan(1)", 45, 50},     {"ArcCot(1)", 45, 50},
      {"ArcSec(-1)", 0, 0},       {"ArcCsc(Sqrt2)", 45, 50}, {"ArcTan2(1;0)", 90, 100},
      {"ArcTan2(0;-1)", 180, 200}, {"ArcTan2(-1;-1)", -135, -150},
  };
  for (const AngleCase& c : cases) {
    EXPECT_EQ(Evaluate(c.formula, AngleMode::Degrees), c.degrees) << c.formula;
    EXPECT_EQ(Evaluate(c.formula, AngleMode::Grads), c.grads) << c.formula;
  }
  // Exact also at working precision, before the final narrowing.
  EXPECT_EQ(Evaluate("ArcSin(1) - 90", AngleMode::Degrees), 0);
  EXPECT_EQ(Evaluate("ArcTan(1) - 50", AngleMode::Grads), 0);
}

TEST(Angles, ModesChangeOnlyTrigonometricFunctions) {
  EXPECT_EQ(Evaluate("Sin(90)", AngleMode::Radians), 0.8939966636005579);
  EXPECT_EQ(Evaluate("Sin(100)", AngleMode::Radians), -0.5063656411097588);
  EXPECT_EQ(Evaluate("Sin(x/deg)", AngleMode::Radians, 30), 0.5);
  const char* formula = "SinH(1) + Exp(2) + ArcTanH(0.5) + x";
  double radians = Evaluate(formula, AngleMode::Radians);
  EXPECT_EQ(Evaluate(formula, AngleMode::Degrees), radians);
  EXPECT_EQ(Evaluate(formula, AngleMode::Grads), radians);
}

}  // namespace
}  // namespace vantorel
