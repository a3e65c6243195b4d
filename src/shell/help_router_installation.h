#pragma once
// The program's help router, installed as the application's help handler for as long as
// this object lives. The entry keeps one in static storage, so the router is in place
// before the entry's first step and is removed only after the entry has returned.

#include "shell/use_html_help.h"

namespace vantorel::shell {

class HelpRouterInstallation {
 public:
  HelpRouterInstallation();
  // First uninstalls the router, then lets it go.
  ~HelpRouterInstallation();
  HelpRouterInstallation(const HelpRouterInstallation&) = delete;
  HelpRouterInstallation& operator=(const HelpRouterInstallation&) = delete;

 private:
  TUseHTMLHelp router_;
};

}  // namespace vantorel::shell
