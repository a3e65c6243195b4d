#include "ui/error_box.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/expression_engine.h"

namespace vantorel::ui {
namespace {

TEST(ErrorBox, AddsAPeriodWhenTheLastCharacterComesAfterIt) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Nothing assigned to the X variable", "Nothing assigned to the X variable."},
      {"'1.2.3' is not a valid floating point value",
       "'1.2.3' is not a valid floating point value."},
      {"Stop.", "Stop."},             // "." is 46 itself
      {"Division by zero!", "Division by zero!"},  // 33
      {"Count: 5", "Count: 5."},      // digits come after "."
      {"(see above)", "(see above)"}, // 41
      {"ends in slash/", "ends in slash/."},  // 47
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(WithFinalPeriod(c.message), c.shown) << c.message;
}

class ErrorBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetErrorBoxPresenter([this](QWidget*, const QString& caption, const QString& text) {
      captions_ << caption;
      texts_ << text;
    });
  }
  void TearDown() override { SetErrorBoxPresenter(std::move(previous_)); }

  QStringList captions_;
  QStringList texts_;
  ErrorBoxPresenter previous_;
};

TEST_F(ErrorBoxTest, GuardedHandlersShowWhatTheyThrowAndCarryOn) {
  bool after = false;
  RunGuarded(nullptr, [] { throw TMathExpr("Nothing assigned to the X variable"); });
  RunGuarded(nullptr, [] { throw std::runtime_error("Unable to write to /tmp/\xc3\xa4/X.INI"); });
  RunGuarded(nullptr, [] { throw std::runtime_error("'\xe9' is not a valid floating point value"); });
  RunGuarded(nullptr, [] { throw 42; });
  RunGuarded(nullptr, [&after] { after = true; });
  EXPECT_TRUE(after);
  EXPECT_EQ(texts_, (QStringList{QStringLiteral("Nothing assigned to the X variable."),
                                 QStringLiteral("Unable to write to /tmp/\u00e4/X.INI."),
                                 QStringLiteral("'\u00e9' is not a valid floating point value."),
                                 QStringLiteral("Unexpected error.")}));
}

TEST_F(ErrorBoxTest, CaptionIsTheApplicationTitle) {
  ShowErrorBox(nullptr, QStringLiteral("x"));
  SetApplicationTitle(QStringLiteral("Other Title"));
  ShowErrorBox(nullptr, QStringLiteral("x"));
  SetApplicationTitle(QString());
  EXPECT_EQ(captions_, (QStringList{QStringLiteral("VantorelCalc (Korvanti)"),
                                    QStringLiteral("Other Title")}));
}

}  // namespace
}  // namespace vantorel::ui
