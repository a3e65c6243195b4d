// A minimised report window takes the main window to the task bar with it, and comes
// back to the front when the user restores the main window or starts the program again;
// otherwise it would block the main window from out of sight.
#include "platform/app_message.h"
#include "shell/text_print_form.h"
#include "ui/main_window.h"
#include "ui/settings_file.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace vantorel::shell {
namespace {

struct Return {
  const char* how;
  std::function<void(QWidget&)> turn;
};

const Return kReturns[] = {
    {"main window restored from the task bar",
     [](QWidget& main) {
       main.showNormal();
       main.activateWindow();
     }},
    {"second start",
     [](QWidget&) { QCoreApplication::postEvent(qApp, new QEvent(platform::AppMessageId())); }},
};

TEST(MinimisedReport, GoesWithTheMainWindowAndComesBackWhenTheUserReturns) {
  QTemporaryDir folder;
  ui::InstallSettingsFile(std::make_unique<ui::SettingsFile>(folder.filePath("v.ini").toStdString()));
  ui::TF_Main_LSF main([] { return '.'; });
  main.show();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  TTextPrintForm report;
  for (const Return& way : kReturns) {
    bool together = false;
    bool back = false;
    bool usable = false;
    QTimer::singleShot(0, [&] {
      report.showMinimized();
      // The windowing system settles the windows' states before the user acts again.
      QTest::qWait(100);
      together = main.isMinimized() && report.isMinimized();
      way.turn(main);
      back = QTest::qWaitFor(
          [&] { return !report.isMinimized() && QApplication::activeWindow() == &report; }, 2000);
      // The report answers keys again: its Close button closes it.
      QTest::keyClick(&report, Qt::Key_C, Qt::AltModifier);
      usable = QTest::qWaitFor([&] { return !report.isVisible(); }, 1000);
      if (report.isVisible()) report.reject();
    });
    report.ShowReport({"x = 15"});
    EXPECT_TRUE(together) << way.how;
    EXPECT_TRUE(back) << way.how;
    EXPECT_TRUE(usable) << way.how;
    EXPECT_FALSE(main.isMinimized()) << way.how;
  }
  ui::InstallSettingsFile(nullptr);
}

}  // namespace
}  // namespace vantorel::shell
