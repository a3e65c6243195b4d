#include "shell/default_title.h"

#include <QFileInfo>

namespace vantorel::shell {

QString DefaultApplicationTitle(const QString& programFile) {
  QString name = QFileInfo(programFile).fileName();
  const qsizetype dot = name.indexOf('.');
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  // Program files here are named in lower case, so the first letter is raised to give
  // the same title a program file in capitals gives.
  return name.left(1).toUpper() + name.mid(1).toLower();
}

}  // namespace vantorel::shell
