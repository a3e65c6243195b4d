#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "editing/number_syntax.h"

namespace vantorel {
namespace {

struct WriteCase {
  double value;
  int precision;
  char separator;
  std::string text;
};

std::ostream& operator<<(std::ostream& out, const WriteCase& c) {
  return out << c.text;
}

class FormatsResult : public testing::TestWithParam<WriteCase> {};

TEST_P(FormatsResult, AsThePocketCalculatorShowsIt) {
  const WriteCase& c = GetParam();
  EXPECT_EQ(FormatResult(c.value, c.precision, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(Fixed, FormatsResult, testing::Values(
    WriteCase{304.9951, 1, '.', "305.0"}, WriteCase{-2.5, 1, '.', "-2.5"},
    WriteCase{0.05, 1, '.', "0.1"}, WriteCase{2.5, 1, ',', "2,5"},
    WriteCase{123.456, 0, '.', "123"}, WriteCase{0.5, 0, '.', "1"},
    WriteCase{-0.5, 0, '.', "-1"}, WriteCase{12.5, 15, '.', "12.500000000000000"},
    WriteCase{999999999999999.4, 1, '.', "999999999999999.0"},
    WriteCase{1.0 / 3, 15, '.', "0.333333333333333"},
    WriteCase{2.0 / 3, 15, '.', "0.666666666666667"}));

// The double nearest 2.675 lies below it; rounding to 15 digits first makes it a tie.
INSTANTIATE_TEST_SUITE_P(TiesAwayFromZero, FormatsResult, testing::Values(
    WriteCase{2.675, 2, '.', "2.68"}, WriteCase{-2.675, 2, '.', "-2.68"},
    WriteCase{1.005, 2, '.', "1.01"}, WriteCase{0.1 + 0.2, 15, '.', "0.300000000000000"}));

INSTANTIATE_TEST_SUITE_P(Exponent, FormatsResult, testing::Values(
    WriteCase{0.04, 1, '.', "4.0E-2"}, WriteCase{-0.04, 1, '.', "-4.0E-2"},
    WriteCase{6.62607015E-34, 1, '.', "6.6E-34"}, WriteCase{1.5E20, 1, '.', "1.5E+20"},
    WriteCase{1.5E20, 1, ',', "1,5E+20"}, WriteCase{1E15, 0, '.', "1E+15"},
    WriteCase{999999999999999.9, 1, '.', "1.0E+15"}, WriteCase{0.0004, 1, '.', "4.0E-4"},
    WriteCase{0.4, 0, '.', "4E-1"}, WriteCase{9.96E-5, 1, '.', "1.0E-4"},
    WriteCase{-1E-20, 3, '.', "-1.000E-20"}, WriteCase{1E300, 15, '.', "1.000000000000000E+300"},
    WriteCase{4.9406564584124654E-324, 3, '.', "4.941E-324"}));

// Rounding up would leave the double range: the digits are cut off.
INSTANTIATE_TEST_SUITE_P(TopOfTheRange, FormatsResult, testing::Values(
    WriteCase{1.797E308, 1, '.', "1.7E+308"}, WriteCase{1.797E308, 0, ',', "1E+308"},
    WriteCase{-1.797E308, 1, '.', "-1.7E+308"}, WriteCase{1.797E308, 2, '.', "1.79E+308"},
    WriteCase{DBL_MAX, 2, '.', "1.79E+308"}, WriteCase{DBL_MAX, 14, '.', "1.79769313486231E+308"},
    WriteCase{DBL_MAX, 15, '.', "1.797693134862310E+308"},
    WriteCase{1.79E308, 1, '.', "1.7E+308"}, WriteCase{1.7965E308, 3, '.', "1.797E+308"},
    WriteCase{1.45E308, 0, '.', "1E+308"}, WriteCase{1.55E308, 0, '.', "1E+308"}));

INSTANTIATE_TEST_SUITE_P(ZeroAndOddInputs, FormatsResult, testing::Values(
    WriteCase{0.0, 1, '.', "0.0"}, WriteCase{0.0, 0, '.', "0"}, WriteCase{-0.0, 1, ',', "0,0"},
    WriteCase{0.0, 3, '.', "0.000"}, WriteCase{2.25, 20, '.', "2.250000000000000"},
    WriteCase{2.5, -1, '.', "3"}, WriteCase{NAN, 1, '.', "NaN"},
    WriteCase{-INFINITY, 1, '.', "-Infinity"}));

class WritesShortest : public testing::TestWithParam<WriteCase> {};

TEST_P(WritesShortest, InTheFormulaLanguage) {
  EXPECT_EQ(ShortestText(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Texts, WritesShortest, testing::Values(
    WriteCase{0.1, 0, '.', "0.1"}, WriteCase{0.1, 0, ',', "0,1"}, WriteCase{100, 0, '.', "100"},
    WriteCase{-123.45, 0, '.', "-123.45"}, WriteCase{1E20, 0, '.', "1E+20"},
    WriteCase{1E-7, 0, '.', "1E-7"}, WriteCase{1.5E-10, 0, ',', "1,5E-10"},
    WriteCase{-0.0, 0, '.', "0"}, WriteCase{4.9406564584124654E-324, 0, '.', "5E-324"},
    WriteCase{DBL_MAX, 0, '.', "1.7976931348623157E+308"},
    // Its shortest digits, 6.284296195271325E+218, read through long double round twice
    // to the neighbouring double.
    WriteCase{0x1.c7be243e09301p+726, 0, '.', "6.2842961952713254E+218"}));

// Many doubles of every magnitude, and many more between 1E-20 and 1E20, the same for
// every run.
std::vector<double> SampleDoubles() {
  std::vector<double> values = {DBL_MIN, DBL_MAX, DBL_TRUE_MIN, -DBL_TRUE_MIN, 1.0, 0.1, 1E15,
                                999999999999999.5, 304.99513665883185716};
  std::mt19937_64 bits(20240611);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-20, 20);
  while (values.size() < 30000) {
    const std::uint64_t pattern = bits();
    double value;
    std::memcpy(&value, &pattern, sizeof value);
    if (std::isfinite(value)) values.push_back(value);
    values.push_back(mantissa(bits) * std::pow(10.0, exponent(bits)));
  }
  return values;
}

TEST(NumberRoundTrip, ShortestTextReadsBackToTheSameDouble) {
  for (double value : SampleDoubles()) {
    for (char separator : {'.', ','}) {
      const std::string text = ShortestText(value, separator);
      const std::optional<long double> back = ReadNumber(text, separator);
      ASSERT_TRUE(back.has_value()) << text;
      ASSERT_EQ(static_cast<double>(*back), value) << text;
    }
  }
}

// The power of ten of the first significant digit of `value`'s exact decimal.
int DecimalExponent(double value) {
  char buffer[800];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                 std::chars_format::scientific, 766).ptr;
  return std::stoi(std::string(std::find(buffer, end, 'e') + 1, end));
}

// Half a unit of the 15th significant digit (a whole unit where the digits are cut off
// next to the largest double), plus half a unit of the 15th decimal when the text is
// fixed, plus the long double rounding of reading it.
long double ResultTolerance(double value, const std::string& text) {
  long double tolerance = *ReadNumber("5E" + std::to_string(DecimalExponent(value) - 15), '.');
  if (std::fabs(value) > 1.79769313486231E308) tolerance *= 2;
  if (text.find('E') == std::string::npos) tolerance += 5E-16L;
  return tolerance + std::fabs(value) * 0x1p-63L;
}

TEST(NumberRoundTrip, ResultTextReadsBackWithinItsRounding) {
  for (double value : SampleDoubles()) {
    const std::string text = FormatResult(value, 15, '.');
    const std::optional<long double> back = ReadNumber(text, '.');
    ASSERT_TRUE(back.has_value()) << text;
    ASSERT_LE(std::fabs(*back - value), ResultTolerance(value, text)) << text;
  }
}

TEST(NumberRoundTrip, ResultTextsNearTheLargestDoubleReadBackInRange) {
  double value = DBL_MAX;
  for (int step = 0; step < 100; ++step, value = std::nextafter(value, 0.0)) {
    for (int precision = 0; precision <= 15; ++precision) {
      const std::string text = FormatResult(-value, precision, '.');
      const std::optional<long double> back = ReadNumber(text, '.');
      ASSERT_TRUE(back.has_value()) << text;
      ASSERT_TRUE(std::isfinite(static_cast<double>(*back))) << text;
    }
  }
}

}  // namespace
}  // namespace vantorel
