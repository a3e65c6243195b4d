#include "shell/application_help.h"

#include "ui/shell_hooks.h"

#include <utility>

namespace vantorel::shell {
namespace {

HelpHandler& InstalledHandler() {
  static HelpHandler handler;
  return handler;
}

QString& HelpFile() {
  static QString file;
  return file;
}

}  // namespace

void SetApplicationHelpFile(const QString& path) { HelpFile() = path; }

QString ApplicationHelpFile() { return HelpFile(); }

void SetApplicationHelpHandler(HelpHandler handler) { InstalledHandler() = std::move(handler); }

bool HasApplicationHelpHandler() { return static_cast<bool>(InstalledHandler()); }

bool ApplicationHelpCommand(quint16 command, qintptr data) {
  const HelpHandler& handler = InstalledHandler();
  if (!handler) return false;
  bool callHelp = true;
  // A request the handler leaves to the old help engine goes no further: this
  // platform has none.
  return handler(command, data, callHelp);
}

bool ApplicationHelpContext(qintptr context) {
  return ApplicationHelpCommand(ui::HELP_CONTEXT, context);
}

}  // namespace vantorel::shell
