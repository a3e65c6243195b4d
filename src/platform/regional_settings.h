#pragma once
// The decimal separator of the regional settings. It is read again at every call, so a
// change of the settings while the program runs counts from the next use on. Widgets
// hear of such a change through QEvent::LocaleChange; nothing needs to be stored then.

#include <QLocale>

namespace vantorel::platform {

// The locale's decimal point when it is "." or ","; any other gives ".", since numbers
// in formulas know only these two.
char DecimalSeparatorOf(const QLocale& locale);

// DecimalSeparatorOf(QLocale::system()).
char CurrentDecimalSeparator();

}  // namespace vantorel::platform
