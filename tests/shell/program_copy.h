#pragma once
// Real copies of the program for the process tests: a private folder with the program
// in it (so its settings file is private), a private runtime folder (so its lock and
// socket meet only the copies of the same test) and a private configuration folder.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace vantorel::shell::testing {

class RunningCopy {
 public:
  RunningCopy(const QString& program, const QProcessEnvironment& environment);
  ~RunningCopy();

  // Waits until the copy has written `line` (a whole line), at most `ms`.
  bool WaitForLine(const QString& line, int ms = 10000);
  // Waits for the first of `lines`; returns it, or an empty text after `ms`.
  QString WaitForOneOf(const QStringList& lines, int ms = 10000);
  bool HasSaid(const QString& line);
  // The value of the last "key: value" line.
  QString Said(const QString& key);
  void Send(const QString& command);
  // The exit code once the copy ended normally within `ms`, else -1.
  int WaitForExit(int ms = 10000);
  void Kill();
  // Sends `signal` to the copy, as `kill` or a desktop would.
  void Signal(int signal);
  QString Output() const { return lines_.join('\n'); }

 private:
  void ReadLines();

  QProcess process_;
  QStringList lines_;
  QByteArray partial_;
};

class ProgramFolder {
 public:
  ProgramFolder();
  bool IsValid() const { return valid_; }
  // Starts a copy, with `environment` ("NAME=value") added to its environment.
  std::unique_ptr<RunningCopy> Start(const QStringList& environment = {}) const;
  // Moves the runtime folder for later starts to one whose path is too long for a socket.
  bool LengthenRuntimeFolder();
  // Where the program is, and where its settings file lies when that folder is private.
  QString Folder() const { return folder_.path(); }
  std::string SettingsPath() const;
  // The settings file in the configuration folder, where it goes from a shared folder.
  std::string ConfigSettingsPath() const;

 private:
  QTemporaryDir folder_;
  QTemporaryDir runtime_;
  QTemporaryDir config_;
  QString runtime_path_;
  QString program_;
  bool valid_ = false;
};

}  // namespace vantorel::shell::testing
