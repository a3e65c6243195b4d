#include "shell/help_router_installation.h"

#include "platform/html_help.h"
#include "shell/application_help.h"

namespace vantorel::shell {

HelpRouterInstallation::HelpRouterInstallation()
    : router_(platform::HtmlHelp, ApplicationHelpFile) {
  SetApplicationHelpHandler([this](quint16 command, qintptr data, bool& callHelp) {
    return router_.RouteHelp(command, data, callHelp);
  });
}

HelpRouterInstallation::~HelpRouterInstallation() { SetApplicationHelpHandler({}); }

}  // namespace vantorel::shell
