#pragma once
// The application's help router: every help request of the program goes to the compiled
// HTML help viewer, none to the old help engine.

#include "platform/html_help.h"

#include <QString>
#include <QtGlobal>
#include <functional>

namespace vantorel::shell {

using platform::HH_CLOSE_ALL;
using platform::HH_DISPLAY_INDEX;
using platform::HH_DISPLAY_TOPIC;
using platform::HH_HELP_CONTEXT;

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
