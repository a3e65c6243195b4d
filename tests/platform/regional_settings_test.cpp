#include "platform/regional_settings.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

using vantorel::platform::DecimalSeparatorOf;

TEST(DecimalSeparator, IsThePointOrTheCommaOfTheLocale) {
  const struct {
    QLocale locale;
    char separator;
  } cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), '.'},
      {QLocale(QLocale::German, QLocale::Germany), ','},
      {QLocale(QLocale::French, QLocale::France), ','},
      {QLocale::c(), '.'},
      // Neither "." nor ",": numbers in formulas know only those two.
      {QLocale(QLocale::Arabic, QLocale::Egypt), '.'},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DecimalSeparatorOf(c.locale), c.separator) << c.locale.name().toStdString();
}

TEST(DecimalSeparator, FollowsTheEnvironmentOfTheProcess) {
  const struct {
    const char* lang;
    const char* output;
  } cases[] = {{"de_DE.UTF-8", ",\n"}, {"en_US.UTF-8", ".\n"}, {"C", ".\n"}};
  for (const auto& c : cases) {
    QProcess helper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LC_ALL");
    env.remove("LC_NUMERIC");
    env.insert("LANG", c.lang);
    helper.setProcessEnvironment(env);
    helper.start(VANTOREL_PLATFORM_TEST_HELPER, {"separator"});
    ASSERT_TRUE(helper.waitForFinished(10000));
    EXPECT_EQ(helper.readAllStandardOutput().toStdString(), c.output) << c.lang;
  }
}

}  // namespace
