#include "program_copy.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <signal.h>

namespace vantorel::shell::testing {

RunningCopy::RunningCopy(const QString& program, const QProcessEnvironment& environment) {
  process_.setProcessEnvironment(environment);
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.start(program, {});
}

RunningCopy::~RunningCopy() {
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

void RunningCopy::ReadLines() {
  partial_ += process_.readAllStandardOutput();
  for (qsizetype end; (end = partial_.indexOf('\n')) >= 0;) {
    lines_ << QString::fromUtf8(partial_.left(end));
    partial_.remove(0, end + 1);
  }
}

QString RunningCopy::WaitForOneOf(const QStringList& lines, int ms) {
  QDeadlineTimer deadline(ms);
  for (;;) {
    ReadLines();
    for (const QString& line : lines) {
      if (lines_.contains(line)) return line;
    }
    if (deadline.hasExpired()) return {};
    if (!process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
      ReadLines();
      for (const QString& line : lines) {
        if (lines_.contains(line)) return line;
      }
      return {};
    }
  }
}

bool RunningCopy::WaitForLine(const QString& line, int ms) { return WaitForOneOf({line}, ms) == line; }

bool RunningCopy::HasSaid(const QString& line) {
  ReadLines();
  return lines_.contains(line);
}

QString RunningCopy::Said(const QString& key) {
  ReadLines();
  const QString prefix = key + ": ";
  for (auto line = lines_.crbegin(); line != lines_.crend(); ++line) {
    if (line->startsWith(prefix)) return line->mid(prefix.size());
  }
  return {};
}

void RunningCopy::Send(const QString& command) {
  process_.write((command + "\n").toUtf8());
  process_.waitForBytesWritten(2000);
}

int RunningCopy::WaitForExit(int ms) {
  if (!process_.waitForFinished(ms) && process_.state() != QProcess::NotRunning) return -1;
  ReadLines();
  return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

void RunningCopy::Kill() {
  process_.kill();
  process_.waitForFinished(5000);
}

void RunningCopy::Signal(int signal) { ::kill(pid_t(process_.processId()), signal); }

ProgramFolder::ProgramFolder() {
  program_ = folder_.filePath("vantorel");
  runtime_path_ = runtime_.path();
  valid_ = folder_.isValid() && runtime_.isValid() && config_.isValid() &&
           QFile::copy(VANTOREL_PROBE, program_) &&
           QFile::setPermissions(program_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  // The help file lies beside the program, as the build and the install put it.
  QFile::copy(VANTOREL_HELP_FILE, folder_.filePath("VANTOREL.chm"));
}

std::unique_ptr<RunningCopy> ProgramFolder::Start(const QStringList& added) const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_RUNTIME_DIR", runtime_path_);
  for (const QString& entry : added)
    environment.insert(entry.section('=', 0, 0), entry.section('=', 1));
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("XDG_CONFIG_HOME", config_.path());
  return std::make_unique<RunningCopy>(program_, environment);
}

bool ProgramFolder::LengthenRuntimeFolder() {
  runtime_path_ = runtime_.filePath(QString(110, 'r'));
  return QDir().mkdir(runtime_path_) &&
         QFile::setPermissions(runtime_path_,
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

std::string ProgramFolder::SettingsPath() const {
  return QFile::encodeName(folder_.filePath("VANTOREL.INI")).toStdString();
}

std::string ProgramFolder::ConfigSettingsPath() const {
  return QFile::encodeName(config_.filePath("vantorel/VANTOREL.INI")).toStdString();
}

}  // namespace vantorel::shell::testing
