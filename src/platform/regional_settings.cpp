#include "regional_settings.h"

namespace vantorel::platform {

char DecimalSeparatorOf(const QLocale& locale) {
  const QString point = locale.decimalPoint();
  if (point == QLatin1String(",")) return ',';
  return '.';
}

char CurrentDecimalSeparator() { return DecimalSeparatorOf(QLocale::system()); }

}  // namespace vantorel::platform
