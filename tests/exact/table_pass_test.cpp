// Tables use a long double pass with an error bound before the balls: it must never give
// another double than the balls give alone, in every regime (decided, switched off).

#include <gtest/gtest.h>

#include <string>

#include "engine/exact/exact_formula.h"

namespace vantorel {
namespace {

TEST(ExactTablePass, AgreesWithTheBallsEverywhere) {
  // Each formula with the share of values the pass must decide itself, in percent: nearly
  // all for the default formula, fewer where the formula cancels, none once it gave up.
  struct Row {
    const char* text;
    long percent;
  };
  const Row rows[] = {
      {"5.44E-4 * (x - 187) + (2 * x) + square(x) + sin(x/deg) + logbaseN(6;2.77) + "
       "sin(tan(cos(43.243)/ln(9.765))/(tan(34.3)*logbaseN(2;3)))*(x - 1.87E-3) + "
       "sqrt(square(3)+square(4*x))",
       95},
      {"sin(x)*exp(x/100)-cos(x)", 60}, {"ln(abs(x)+1E-3)/(x+0.5)", 90},
      {"sqrt(x+1)-sqrt(x)", 60}, {"x*x-2*x+1", 90}, {"1/(x-0.125)", 90},
      {"(x+1E10)-1E10-x+1E-30", 0}};
  for (const Row& row : rows) {
    const char* text = row.text;
    ExactFormula table = ExactFormula::Compile(text, '.', AngleMode::Radians);
    ExactFormula balls = ExactFormula::Compile(text, '.', AngleMode::Radians);
    for (std::int64_t i = 0; i < 1500; ++i) {
      std::string x = ExactStepText("0.0625", "0.0417", i, '.');
      SCOPED_TRACE(std::string(text) + " x=" + x);
      std::string viaTable, viaBalls;
      double tableValue = 0, ballValue = 0;
      try {
        tableValue = table.CalculateStep("0.0625", "0.0417", i, false).value;
      } catch (const TMathExpr& e) {
        viaTable = e.what();
      }
      try {
        ballValue = balls.Calculate(x, false).value;
      } catch (const TMathExpr& e) {
        viaBalls = e.what();
      }
      ASSERT_EQ(viaTable, viaBalls);
      ASSERT_EQ(tableValue, ballValue);
    }
    ExactFormula::TablePassRecord record = table.TablePass();
    EXPECT_GE(record.decided * 100, record.tried * row.percent)
        << record.decided << " of " << record.tried;
    if (row.percent == 0) {
      EXPECT_LT(record.tried, 600) << "it should have switched itself off";
    }
  }
}

}  // namespace
}  // namespace vantorel
