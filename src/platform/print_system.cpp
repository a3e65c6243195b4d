#include "platform/print_system.h"

#include <cups/cups.h>

namespace vantorel::platform {

QString LastPrintServerError() {
  // CUPS counts every status from "redirection" on as a failure.
  if (cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE) return {};
  const QString reason = QString::fromUtf8(cupsLastErrorString());
  return reason.isEmpty() ? QString::fromUtf8(ippErrorString(cupsLastError())) : reason;
}

}  // namespace vantorel::platform
