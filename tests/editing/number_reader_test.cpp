#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "editing/number_syntax.h"

namespace vantorel {
namespace {

struct ReadCase {
  std::string text;
  char separator;
  std::optional<long double> value;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
  return out << '"' << c.text << "\" with '" << c.separator << "'";
}

class ReadsAsNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadsAsNumber, GivesTheCorrectlyRoundedValue) {
  const ReadCase& c = GetParam();
  const std::optional<long double> value = ReadNumber(c.text, c.separator);
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, *c.value);  // exact: both sides are correctly rounded
  EXPECT_EQ(std::signbit(*value), std::signbit(*c.value));
}

INSTANTIATE_TEST_SUITE_P(Mantissas, ReadsAsNumber, testing::Values(
    ReadCase{"5", '.', 5.0L}, ReadCase{"5.", '.', 5.0L}, ReadCase{".5", '.', 0.5L},
    ReadCase{"5.25", '.', 5.25L}, ReadCase{".", '.', 0.0L}, ReadCase{"-.", '.', -0.0L},
    ReadCase{"0.1", '.', 0.1L}, ReadCase{"0001.500", '.', 1.5L},
    ReadCase{"1,5", ',', 1.5L}, ReadCase{"-0,5", ',', -0.5L},
    ReadCase{"12345678901234567890123", '.', 12345678901234567890123.0L}));

INSTANTIATE_TEST_SUITE_P(SignsAndBlanks, ReadsAsNumber, testing::Values(
    ReadCase{" +5 ", '.', 5.0L}, ReadCase{"-0.5", '.', -0.5L}, ReadCase{"   15", '.', 15.0L},
    ReadCase{"15   ", '.', 15.0L}, ReadCase{"-0", '.', -0.0L}));

INSTANTIATE_TEST_SUITE_P(Exponents, ReadsAsNumber, testing::Values(
    ReadCase{"2e3", '.', 2000.0L}, ReadCase{"2E3", '.', 2000.0L},
    ReadCase{"2,0E-3", ',', 2.0e-3L}, ReadCase{"5E", '.', 5.0L}, ReadCase{"5E-", '.', 5.0L},
    ReadCase{"5e+", '.', 5.0L}, ReadCase{".E5", '.', 0.0L}, ReadCase{"1E500", '.', 1e500L},
    ReadCase{"1E0000000005", '.', 1e5L}, ReadCase{"1.1E4932", '.', 1.1e4932L},
    ReadCase{"1E-4940", '.', 1e-4940L},  // subnormal
    ReadCase{"1E-4999", '.', 0.0L}, ReadCase{"-1E-4999", '.', -0.0L}));

class IsNoNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(IsNoNumber, GivesNothing) {
  EXPECT_FALSE(ReadNumber(GetParam().text, GetParam().separator).has_value());
}

INSTANTIATE_TEST_SUITE_P(Texts, IsNoNumber, testing::Values(
    ReadCase{"", '.', {}}, ReadCase{" ", '.', {}}, ReadCase{"+", '.', {}},
    ReadCase{"-", '.', {}}, ReadCase{"--5", '.', {}}, ReadCase{"E5", '.', {}},
    ReadCase{"\t5", '.', {}}, ReadCase{"5\t", '.', {}}, ReadCase{"5 5", '.', {}},
    ReadCase{"1 E5", '.', {}}, ReadCase{"1.2.3", '.', {}}, ReadCase{"1,5", '.', {}},
    ReadCase{"1.5", ',', {}}, ReadCase{"5E5E", '.', {}}, ReadCase{"x", '.', {}},
    ReadCase{"1e5 x", '.', {}}, ReadCase{std::string("5\0", 2), '.', {}}));

INSTANTIATE_TEST_SUITE_P(ExponentLimits, IsNoNumber, testing::Values(
    ReadCase{"1E5000", '.', {}},   // the digit after 500 is left over
    ReadCase{"1E-5000", '.', {}},  // likewise
    ReadCase{"1E4999", '.', {}},   // overflows
    ReadCase{"-1.2E4932", '.', {}}));

TEST(ReadNumber, RoundsCorrectlyFarBehindTheTwentiethDigit) {
  // 1 + 2^-64 lies halfway between two long doubles: ties go to the even one, and the
  // slightest excess goes up.
  const std::string halfway = "1.0000000000000000000542101086242752217003726400434970855712890625";
  EXPECT_EQ(*ReadNumber(halfway, '.'), 1.0L);
  EXPECT_EQ(*ReadNumber(halfway + std::string(5000, '0') + "1", '.'), 1.0L + 0x1p-63L);
}

TEST(ReadNumber, ReadsVeryLongDigitRuns) {
  EXPECT_EQ(*ReadNumber(std::string(10000, '0') + "15", '.'), 15.0L);
  EXPECT_EQ(*ReadNumber("0." + std::string(10000, '3'), '.'), 1.0L / 3);
  EXPECT_EQ(*ReadNumber("1" + std::string(3999, '0'), '.'), 1e3999L);
  EXPECT_FALSE(ReadNumber("1" + std::string(5000, '0'), '.').has_value());
  EXPECT_EQ(*ReadNumber("0." + std::string(1000000, '0') + "7E499", '.'), 0.0L);
}

}  // namespace
}  // namespace vantorel
