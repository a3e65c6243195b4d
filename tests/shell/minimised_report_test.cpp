// A minimised report window comes back to the front when the user turns to the main
// window or starts the program again; otherwise it would block the main window from out
// of sight.
#include "platform/app_message.h"
#include "shell/text_print_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace vantorel::shell {
namespace {

struct Return {
  const char* how;
  std::function<void(QMainWindow&)> turn;
};

const Return kReturns[] = {
    {"main window activated", [](QMainWindow& main) { main.activateWindow(); }},
    {"main window restored",
     [](QMainWindow& main) {
       main.showMinimized();
       main.showNormal();
     }},
    {"second start",
     [](QMainWindow&) {
       QCoreApplication::postEvent(qApp, new QEvent(platform::AppMessageId()));
     }},
};

TEST(MinimisedReport, ComesBackWhenTheUserTurnsToTheProgram) {
  QMainWindow main;
  main.resize(300, 200);
  main.show();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  TTextPrintForm report;
  for (const Return& way : kReturns) {
    bool minimised = false;
    bool back = false;
    bool usable = false;
    QTimer::singleShot(0, [&] {
      report.showMinimized();
      minimised = report.isMinimized();
      way.turn(main);
      back = QTest::qWaitFor(
          [&] { return !report.isMinimized() && QApplication::activeWindow() == &report; }, 2000);
      // The report is usable again: its Close button answers to its key.
      QTest::keyClick(&report, Qt::Key_C, Qt::AltModifier);
      usable = QTest::qWaitFor([&] { return !report.isVisible(); }, 1000);
      if (report.isVisible()) report.reject();
    });
    report.ShowReport({"x = 15"});
    EXPECT_TRUE(minimised) << way.how;
    EXPECT_TRUE(back) << way.how;
    EXPECT_TRUE(usable) << way.how;
  }
}

TEST(MinimisedReport, StaysMinimisedWhileNothingTurnsToTheProgram) {
  TTextPrintForm report;
  bool stayed = false;
  QTimer::singleShot(0, [&] {
    report.showMinimized();
    QTest::qWait(50);
    stayed = report.isMinimized();
    report.Button2->click();
  });
  report.ShowReport({"x = 15"});
  EXPECT_TRUE(stayed);
}

}  // namespace
}  // namespace vantorel::shell
