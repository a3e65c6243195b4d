#pragma once
// The application's help entry points. A request goes to the installed help handler;
// with none installed (before start-up, after the end) it finds nobody and does nothing.

#include <QString>
#include <QtGlobal>
#include <functional>

namespace vantorel::shell {

// Returns whether the request was handled; clears callHelp when nobody else should see it.
using HelpHandler = std::function<bool(quint16 command, qintptr data, bool& callHelp)>;

// An empty handler uninstalls.
void SetApplicationHelpHandler(HelpHandler handler);
bool HasApplicationHelpHandler();

// The help file that requests open; set once the main window has chosen it.
void SetApplicationHelpFile(const QString& path);
QString ApplicationHelpFile();

// A help command (code, data).
bool ApplicationHelpCommand(quint16 command, qintptr data);
// A help-context request: HELP_CONTEXT with the context number.
bool ApplicationHelpContext(qintptr context);

}  // namespace vantorel::shell
