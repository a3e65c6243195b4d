#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "engine/formula_compiler.h"
#include "engine_test_support.h"

namespace vantorel {
namespace {

using testing::ErrorOf;
using testing::Evaluate;

std::string Nested(std::size_t depth, const std::string& open, const std::string& inner) {
  std::string text;
  for (std::size_t i = 0; i < depth; ++i) text += open;
  return text + inner + std::string(depth, ')');
}

// Parentheses nest as deep as the limit, in every form; one more is a clear error.
TEST(Limits, NestingUpToTheLimitWorksAndBeyondItIsAnError) {
  constexpr std::size_t kLimit = FormulaCompiler::kMaxNesting;
  static_assert(kLimit >= 10000);
  EXPECT_EQ(Evaluate(Nested(kLimit, "(", "x")), 15);
  EXPECT_EQ(Evaluate(Nested(kLimit, "-(", "x")), 15);
  EXPECT_EQ(Evaluate(Nested(10000, "x+(", "x")), 15 * 10001);
  EXPECT_EQ(Evaluate(Nested(10000, "Abs(", "-x")), 15);
  EXPECT_EQ(Evaluate(Nested(10000, "pythag(0;", "x")), 15);
  std::string tooDeep = "More than 100000 nested parentheses at position ";
  EXPECT_EQ(ErrorOf(Nested(kLimit + 1, "(", "x")), tooDeep + std::to_string(kLimit + 1));
  EXPECT_EQ(ErrorOf(std::string(1000000, '(')), tooDeep + std::to_string(kLimit + 1));
  EXPECT_EQ(ErrorOf("1+" + Nested(kLimit + 1, "sin(", "x")), tooDeep + "400006");
}

// A formula of a megabyte is read and calculated in linear time.
TEST(Limits, LongFormulasTakeLinearTime) {
  std::string ones;
  for (int i = 0; i < 500000; ++i) ones += "1+";
  std::string xs;
  for (int i = 0; i < 250000; ++i) xs += "x*x/";
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Evaluate(ones + "1"), 500001);
  EXPECT_EQ(Evaluate(xs + "x", AngleMode::Radians, 1), 1);
  EXPECT_EQ(ErrorOf(std::string(1000000, 'a')).substr(0, 14), "Unknown name '");
  EXPECT_EQ(Evaluate("1." + std::string(1000000, '1')), 1.1111111111111112);
  EXPECT_EQ(Evaluate(std::string(1000000, ' ') + "1"), 1);
  auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 5.0);  // quadratic work would take minutes
}

}  // namespace
}  // namespace vantorel
