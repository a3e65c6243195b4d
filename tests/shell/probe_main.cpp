// The program's entry built for the process tests. It starts exactly as the program does
// and adds only what a test needs to see and do from outside: it reports on standard
// output what a person would see, answers the refusal box with OK once it shows, and
// takes commands on standard input (minimise, report, about, help, close-modal, close,
// "formula TEXT" to put TEXT into the expression editor, "exact TEXT" to compute TEXT in
// exact arithmetic).
#include "platform/help_viewer.h"
#include "platform/html_help.h"
#include "shell/about_form.h"
#include "shell/help_router_installation.h"
#include "shell/startup.h"
#include "shell/text_print_form.h"
#include "ui/error_box.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <cstdio>
#include <unistd.h>

namespace {

vantorel::shell::HelpRouterInstallation helpRouter;

void Say(const QString& line) {
  std::printf("%s\n", qPrintable(line));
  std::fflush(stdout);
}

const char* YesNo(bool value) { return value ? "yes" : "no"; }

// The path of a loaded library whose name ends in `name`, from the process's own map.
QString LoadedFile(const QString& name) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return {};
  for (const QByteArray& line : maps.readAll().split('\n')) {
    const QString text = QString::fromLocal8Bit(line);
    if (text.endsWith(QLatin1Char('/') + name)) return text.mid(text.indexOf(QLatin1Char('/')));
  }
  return {};
}

// Presses the box's OK once "ok" arrives on standard input.
void PressOkOnRequest(QMessageBox& box) {
  auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &box);
  QObject::connect(input, &QSocketNotifier::activated, &box, [&box, input] {
    char buffer[64];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) input->setEnabled(false);
    if (QByteArray(buffer, 2) == "ok") box.button(QMessageBox::Ok)->click();
  });
}

// Reports what the refusal box shows, then presses its OK as a person would: at once,
// or with VANTOREL_PROBE_HOLD_BOX set, when told.
void ReportRefusal(QMessageBox& box) {
  const QPoint offset = box.frameGeometry().center() - box.screen()->availableGeometry().center();
  int otherWindows = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) otherWindows += window != &box;
  Say("box-title: " + box.windowTitle());
  Say("box-text: " + box.text());
  Say(QString("box-buttons: %1").arg(box.buttons().size()));
  Say(QString("box-ok: %1").arg(YesNo(box.standardButtons() == QMessageBox::Ok)));
  Say(QString("box-icon: %1").arg(YesNo(box.icon() != QMessageBox::NoIcon)));
  Say(QString("box-centred: %1").arg(YesNo(offset.manhattanLength() <= 2)));
  Say(QString("other-windows: %1").arg(otherWindows));
  Say(QString("app-title-given: %1")
          .arg(YesNo(vantorel::ui::ApplicationTitleGiven())));
  Say("refused");
  if (qEnvironmentVariableIsSet("VANTOREL_PROBE_HOLD_BOX")) {
    PressOkOnRequest(box);
  } else {
    box.button(QMessageBox::Ok)->click();
  }
}

// Tells what happens to the main window: minimised, restored, activated.
class WindowWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::WindowStateChange) {
      const auto* change = static_cast<QWindowStateChangeEvent*>(event);
      const bool was = change->oldState() & Qt::WindowMinimized;
      const bool is = window->windowState() & Qt::WindowMinimized;
      if (!was && is) Say("minimised");
      if (was && !is) Say("restored");
    } else if (event->type() == QEvent::WindowActivate) {
      Say("activated");
    }
    return false;
  }
};

class Probe : public vantorel::shell::StartupObserver {
 public:
  void Refusing(QMessageBox& box) override {
    QTimer::singleShot(0, &box, [&box] { ReportRefusal(box); });
  }

  void Running(vantorel::ui::TF_Main_LSF& mainWindow, vantorel::shell::TTextPrintForm& report,
               bool listening) override {
    main_ = &mainWindow;
    report_ = &report;
    mainWindow.installEventFilter(new WindowWatcher(&mainWindow));
    input_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &mainWindow);
    QObject::connect(input_, &QSocketNotifier::activated, [this] { ReadCommands(); });
    Say("title: " + vantorel::ui::ApplicationTitle());
    Say("window: " + mainWindow.windowTitle());
    Say(QString("listening: %1").arg(YesNo(listening)));
    Say("formula: " + QString::fromStdString(mainWindow.ExpressionEditor().Text()));
    Say("running");
  }

 private:
  void ReadCommands() {
    char buffer[256];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0) {
      input_->setEnabled(false);
      return;
    }
    pending_.append(buffer, count);
    for (qsizetype end; (end = pending_.indexOf('\n')) >= 0;) {
      const QString command = QString::fromUtf8(pending_.left(end)).trimmed();
      pending_.remove(0, end + 1);
      // Modal windows run their own loop: start them outside this handler.
      QTimer::singleShot(0, main_, [this, command] { Run(command); });
    }
  }

  void Run(const QString& command) {
    if (command == "minimise") {
      main_->showMinimized();
    } else if (command == "report") {
      QTimer::singleShot(0, [] { Say("report-shown"); });
      report_->ShowReport({"probe line"});
      Say("report-closed");
    } else if (command == "about") {
      QTimer::singleShot(0, [] { Say("about-shown"); });
      vantorel::shell::ShowAboutBox(main_);
      Say("about-closed");
    } else if (command == "help") {
      main_->Help1Click();
      const QWidget* viewer = vantorel::platform::HtmlHelpWindow();
      Say(QString("help-shown: %1").arg(YesNo(viewer && viewer->isVisible())));
    } else if (command == "close-modal") {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    } else if (command == "close") {
      main_->close();
    } else if (command.startsWith("formula ")) {
      main_->ExpressionEditor().SetText(command.mid(8).toStdString());
      Say("formula-set");
    } else if (command.startsWith("exact ")) {
      main_->ExpressionEditor().SetText(command.mid(6).toStdString());
      auto* exact = main_->findChild<QAction*>(QStringLiteral("Exactarithmetic1"));
      if (exact && !exact->isChecked()) exact->trigger();
      main_->ComputebtnClick();
      Say("exact-result: " + QString::fromStdString(main_->ResultEditor().Text()));
      Say("exact-module: " + LoadedFile("libvantorel-exact.so"));
    }
  }

  vantorel::ui::TF_Main_LSF* main_ = nullptr;
  vantorel::shell::TTextPrintForm* report_ = nullptr;
  QSocketNotifier* input_ = nullptr;
  QByteArray pending_;
};

}  // namespace

int main(int argc, char** argv) {
  Probe probe;
  const int code = vantorel::shell::RunProgram(argc, argv, &probe);
  Say("ended");
  return code;
}
