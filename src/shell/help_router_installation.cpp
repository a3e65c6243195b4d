#include "shell/help_router_installation.h"

#include "platform/help_viewer.h"
#include "platform/html_help.h"
#include "shell/application_help.h"

namespace vantorel::shell {
namespace {

void ShowInHelpViewer(const QString& file, unsigned command, qintptr data) {
  platform::HtmlHelp(file, command, data);
  // The help window belongs to no window of the program, yet it must not keep the
  // program running once the main window has closed.
  if (QWidget* viewer = platform::HtmlHelpWindow()) viewer->setAttribute(Qt::WA_QuitOnClose, false);
}

}  // namespace

HelpRouterInstallation::HelpRouterInstallation()
    : router_(ShowInHelpViewer, ApplicationHelpFile) {
  SetApplicationHelpHandler([this](quint16 command, qintptr data, bool& callHelp) {
    return router_.RouteHelp(command, data, callHelp);
  });
}

HelpRouterInstallation::~HelpRouterInstallation() { SetApplicationHelpHandler({}); }

}  // namespace vantorel::shell
