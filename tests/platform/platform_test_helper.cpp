// A second process for the platform tests.
//   hold-lock PATH : takes the instance lock, prints the outcome, then waits to be killed
//                    (at most 60 s, so a forgotten helper never lingers)
//   post PATH      : sends the application message, prints "sent" or "not sent"
//   separator      : prints the decimal separator of its environment
#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <cstring>

#include "platform/app_message.h"
#include "platform/instance_lock.h"
#include "platform/regional_settings.h"

namespace {

using vantorel::platform::InstanceLock;

const char* OutcomeName(InstanceLock::Result result) {
  switch (result) {
    case InstanceLock::Result::Created: return "Created";
    case InstanceLock::Result::AlreadyExists: return "AlreadyExists";
    case InstanceLock::Result::Failed: return "Failed";
  }
  return "?";
}

int HoldLock(const char* path) {
  InstanceLock lock(path);
  std::printf("%s\n", OutcomeName(lock.Outcome()));
  std::fflush(stdout);
  QThread::sleep(60);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "hold-lock") == 0) return HoldLock(argv[2]);
  if (argc == 3 && std::strcmp(argv[1], "post") == 0) {
    std::printf(vantorel::platform::PostAppMessage(argv[2]) ? "sent\n" : "not sent\n");
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "separator") == 0) {
    std::printf("%c\n", vantorel::platform::CurrentDecimalSeparator());
    return 0;
  }
  std::fprintf(stderr, "usage: hold-lock PATH | post PATH | separator\n");
  return 2;
}
