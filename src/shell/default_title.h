#pragma once
// The title an application carries before it is given its own: what captions the
// refusal box of a second copy.

#include <QString>

namespace vantorel::shell {

// The program file's name without its folder, up to its first dot, with its first
// letter in upper case and every later letter in lower case: "/opt/bin/vantorel" gives
// "Vantorel", "VANTOREL.BIN" gives "Vantorel".
QString DefaultApplicationTitle(const QString& programFile);

}  // namespace vantorel::shell
