#include "shell/startup.h"

#include "platform/app_message.h"
#include "platform/instance_lock.h"
#include "shell/about_form.h"
#include "shell/application_help.h"
#include "shell/default_title.h"
#include "shell/end_signals.h"
#include "shell/text_print_form.h"
#include "ui/error_box.h"
#include "ui/main_window.h"
#include "ui/settings_file.h"

#include <QApplication>
#include <QMessageBox>

namespace vantorel::shell {
namespace {

// A second copy tells the running one and says why it ends. The application has not
// been given its title on this path, so the box carries the default title; no other
// window is made.
void Refuse(StartupObserver* observer) {
  platform::PostAppMessage(platform::AppMessageSocketPath());
  QMessageBox box(QMessageBox::NoIcon,
                  DefaultApplicationTitle(QCoreApplication::applicationFilePath()),
                  kRefusalText, QMessageBox::Ok);
  if (observer) observer->Refusing(box);
  box.exec();
}

ui::ShellHooks MakeHooks(ui::TF_Main_LSF& mainWindow, TTextPrintForm& report) {
  ui::ShellHooks hooks;
  hooks.help = [](unsigned command, qintptr data) {
    return ApplicationHelpCommand(static_cast<quint16>(command), data);
  };
  hooks.about = [&mainWindow] { ShowAboutBox(&mainWindow); };
  hooks.print = [&report](const QStringList& lines) { report.ShowReport(lines); };
  return hooks;
}

void RunFirstCopy(StartupObserver* observer) {
  ui::SetApplicationTitle(QString::fromLatin1(kApplicationTitle));
  // The desktop names the application on its task bar from its desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("vantorel"));
  ui::TF_Main_LSF mainWindow;
  SetApplicationHelpFile(mainWindow.HelpFile());
  TTextPrintForm report;
  mainWindow.SetShellHooks(MakeHooks(mainWindow, report));
  // Listening ends with this function, while the lock is still held: a copy that starts
  // next finds no stale socket of ours, and ours never removes its new one.
  platform::AppMessageListener listener;
  const bool listening = listener.Listen(platform::AppMessageSocketPath());
  // A request to end is a close of the window: the formula is stored, then the program
  // ends, also from inside a modal window. A failed store keeps the window open.
  EndSignals endSignals([&mainWindow] {
    if (mainWindow.close()) QCoreApplication::exit(0);
  });
  mainWindow.show();
  if (observer) observer->Running(mainWindow, report, listening);
  QApplication::exec();
}

}  // namespace

int RunProgram(int& argc, char** argv, StartupObserver* observer) {
  // Qt needs its application object before any box can show, so it exists before the
  // first step in both ways the start goes, with no title and no window of its own.
  QApplication application(argc, argv);
  ui::InstallSettingsFile(ui::MakeSettingsFile());
  platform::AppMessageId();
  platform::InstanceLock lock(platform::InstanceLock::DefaultPath());
  // Only another copy of this user that really holds the lock refuses the start; a lock
  // that cannot be had at all must not keep the user from the calculator. A refused copy
  // holds the lock until its box is gone, so that a start meanwhile is refused as well.
  if (lock.Outcome() != platform::InstanceLock::Result::AlreadyExists) {
    RunFirstCopy(observer);
  } else {
    Refuse(observer);
  }
  lock.Close();
  ui::InstallSettingsFile(nullptr);
  return 0;
}

}  // namespace vantorel::shell
