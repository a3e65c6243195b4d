#include "shell/use_html_help.h"

#include "ui/shell_hooks.h"

#include <utility>

namespace vantorel::shell {

TUseHTMLHelp::TUseHTMLHelp(HtmlHelpViewer viewer, std::function<QString()> helpFile)
    : viewer_(std::move(viewer)), helpFile_(std::move(helpFile)) {}

bool TUseHTMLHelp::RouteHelp(quint16 command, qintptr data, bool& callHelp) {
  callHelp = false;
  if (!viewer_) return true;
  const QString file = helpFile_ ? helpFile_() : QString();
  switch (command) {
    case ui::HELP_CONTEXT:
    case ui::HELP_CONTEXTPOPUP:
      viewer_(file, HH_HELP_CONTEXT, data);
      break;
    case ui::HELP_KEY:
      viewer_(file, HH_DISPLAY_INDEX, data);
      break;
    case ui::HELP_QUIT:
      viewer_(QString(), HH_CLOSE_ALL, 0);
      break;
    default:
      // HELP_FINDER and every other code: the file's default topic.
      viewer_(file, HH_DISPLAY_TOPIC, 0);
      break;
  }
  return true;
}

}  // namespace vantorel::shell
