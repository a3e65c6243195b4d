// The program's entry. The help router lives in static storage: it is installed before
// main runs and removed after main has returned.
#include "shell/help_router_installation.h"
#include "shell/startup.h"

namespace {
vantorel::shell::HelpRouterInstallation helpRouter;
}  // namespace

int main(int argc, char** argv) { return vantorel::shell::RunProgram(argc, argv); }
