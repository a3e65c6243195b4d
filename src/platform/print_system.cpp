#include "platform/print_system.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <optional>

namespace vantorel::platform {
namespace {

// The CUPS library as Qt's print support loaded it to send the job. The program does not
// link it: with the encryption and service discovery libraries it needs, it would be
// loaded and set up at every start, for a print that may never come. Where it is not
// loaded, no job went to a print server, and no server answered anything.
struct CupsCalls {
  decltype(&cupsLastError) lastError;
  decltype(&cupsLastErrorString) lastErrorString;
  decltype(&ippErrorString) errorString;
};

template <typename Function>
Function Find(void* library, const char* name) {
  return reinterpret_cast<Function>(dlsym(library, name));
}

std::optional<CupsCalls> LoadedCups() {
  // The handle is kept: the calls must stay valid while they run.
  void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (!library) return std::nullopt;
  const CupsCalls calls{Find<decltype(&cupsLastError)>(library, "cupsLastError"),
                        Find<decltype(&cupsLastErrorString)>(library, "cupsLastErrorString"),
                        Find<decltype(&ippErrorString)>(library, "ippErrorString")};
  if (!calls.lastError || !calls.lastErrorString || !calls.errorString) return std::nullopt;
  return calls;
}

}  // namespace

QString LastPrintServerError() {
  const std::optional<CupsCalls> cups = LoadedCups();
  if (!cups) return {};
  // CUPS counts every status from "redirection" on as a failure.
  const ipp_status_t status = cups->lastError();
  if (status < IPP_STATUS_REDIRECTION_OTHER_SITE) return {};
  const QString reason = QString::fromUtf8(cups->lastErrorString());
  return reason.isEmpty() ? QString::fromUtf8(cups->errorString(status)) : reason;
}

}  // namespace vantorel::platform
