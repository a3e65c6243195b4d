#include "ui/compute_steps.h"

#include <gtest/gtest.h>

#include <string>

namespace vantorel::ui {
namespace {

TEST(XValue, ReadsByTheNumberSyntaxOrSaysWhyNot) {
  const struct {
    const char* text;
    char separator;
    long double value;
    const char* message;  // nullptr: reads as `value`
  } cases[] = {
      {" 15 ", '.', 15, nullptr},
      {"2e3", '.', 2000, nullptr},
      {"2E3", '.', 2000, nullptr},
      {"-0.5", '.', -0.5L, nullptr},
      {"1,5", ',', 1.5L, nullptr},
      {".", '.', 0, nullptr},
      {"", '.', 0, "Nothing assigned to the X variable"},
      {"   ", '.', 0, "'   ' is not a valid floating point value"},
      {"1.2.3", '.', 0, "'1.2.3' is not a valid floating point value"},
      {"1,5", '.', 0, "'1,5' is not a valid floating point value"},
      {"-", '.', 0, "'-' is not a valid floating point value"},
      {"1E4999", '.', 0, "'1E4999' is not a valid floating point value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    if (!c.message) {
      EXPECT_EQ(ReadXValue(c.text, c.separator), c.value);
      continue;
    }
    try {
      ReadXValue(c.text, c.separator);
      ADD_FAILURE() << "read as a number";
    } catch (const TMathExpr& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

TEST(AngleModes, InTheOrderOfTheModeGroup) {
  EXPECT_EQ(AngleModeAt(0), AngleMode::Radians);
  EXPECT_EQ(AngleModeAt(1), AngleMode::Degrees);
  EXPECT_EQ(AngleModeAt(2), AngleMode::Grads);
  EXPECT_STREQ(AngleModeName(AngleMode::Grads), "Grads");
}

TEST(Report, OneBlockSaysWhatWasComputed) {
  ComputationReport report;
  report.number = 3;
  report.when = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
  report.formula = "2*x +1 ";
  report.xText = "1,5";
  report.mode = AngleMode::Degrees;
  report.resultText = "4,0";
  report.fullValue = "4";
  const QStringList plain = {
      QStringLiteral("Computation 3 at 2026-12-08 09:05:07 (80-bit arithmetic)"),
      QStringLiteral("Formula: 2*x +1 "),
      QStringLiteral("x = 1,5 (Degrees)"),
      QStringLiteral("Result: 4,0"),
      QStringLiteral("Full value: 4"),
  };
  EXPECT_EQ(ReportLines(report), plain);
  report.comment = "the slope";
  QStringList commented = plain;
  commented.insert(2, QStringLiteral("Comment (ignored): the slope"));
  EXPECT_EQ(ReportLines(report), commented);
}

}  // namespace
}  // namespace vantorel::ui
