#pragma once
// The application's help router: every help request of the program goes to the compiled
// HTML help viewer, none to the old help engine.

#include <QString>
#include <QtGlobal>
#include <functional>

namespace vantorel::shell {

// Commands of the compiled HTML help viewer that the router issues.
enum HtmlHelpCommand : unsigned {
  HH_DISPLAY_TOPIC = 0x0000,
  HH_DISPLAY_INDEX = 0x0002,
  HH_HELP_CONTEXT = 0x000F,
  HH_CLOSE_ALL = 0x0012,
};

// The viewer call: a null file means "no file" (HH_CLOSE_ALL names none).
using HtmlHelpViewer = std::function<void(const QString& file, unsigned command, qintptr data)>;

class TUseHTMLHelp {
 public:
  // helpFile is asked on every request, so a path set after the router was made counts.
  TUseHTMLHelp(HtmlHelpViewer viewer, std::function<QString()> helpFile);

  // Turns a help request into one viewer call and keeps it from the old help engine:
  // callHelp is always cleared and the request always counts as handled. The data is
  // pointer-wide because HELP_KEY passes a keyword's address in it.
  bool RouteHelp(quint16 command, qintptr data, bool& callHelp);

 private:
  HtmlHelpViewer viewer_;
  std::function<QString()> helpFile_;
};

}  // namespace vantorel::shell
