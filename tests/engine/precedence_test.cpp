#include <gtest/gtest.h>

#include "engine/expression_engine.h"

namespace vantorel {
namespace {

struct Case {
  const char* formula;
  double value;
};

double Value(const char* formula) {
  return ExpressionEngine().Evaluate(formula, 15, '.', AngleMode::Radians);
}

TEST(Precedence, OperatorsGroupByLevelThenLeftToRight) {
  const Case cases[] = {
      {"4 - 2 + 1", 3},
      {"4 * 5 * 6 / 1 * 2 * 3", 720},
      {"(4*5*6)/(1*2*3)", 20},
      {"2 + 3 * 4", 14},
      {"8 / 4 / 2", 1},
      {"2 * 8 / 4", 4},
      {"8 / 4 * 2", 4},
      {"1 / 2 * 4", 2},
      {"12 * 6 / 3 / 2", 12},
      {"10 - 4 - 3", 3},
      {"2 * 3 + 4 * 5", 26},
      {"2 + 3 / 4 * 8", 8},
  };
  for (const Case& c : cases) EXPECT_EQ(Value(c.formula), c.value) << c.formula;
}

}  // namespace
}  // namespace vantorel
