#pragma once
// What the main window asks of the application shell: help, About and the print
// report. The shell fills these in; an empty hook does nothing.

#include <QStringList>
#include <functional>

namespace vantorel::ui {

// Help request codes, as the help router receives them.
enum HelpCommand : unsigned {
  HELP_CONTEXT = 0x0001,
  HELP_QUIT = 0x0002,
  HELP_CONTEXTPOPUP = 0x0008,
  HELP_FINDER = 0x000B,
  HELP_KEY = 0x0101,
};

struct ShellHooks {
  // A help command (code, data); a help-context request is HELP_CONTEXT with its number.
  std::function<bool(unsigned command, qintptr data)> help;
  // Shows the About box modally.
  std::function<void()> about;
  // Shows the report window modally, filled with these lines.
  std::function<void(const QStringList& lines)> print;
};

}  // namespace vantorel::ui
