#include "ui/help_file_location.h"

#include <QDir>
#include <QFileInfo>

namespace vantorel::ui {

QString HelpFileLocation(const QString& programFolder) {
  const QString name = QStringLiteral("VANTOREL.chm");
  const QString beside = programFolder + QLatin1Char('/') + name;
  if (QFileInfo(beside).isFile()) return beside;
  const QString shared =
      QDir::cleanPath(programFolder + QStringLiteral("/../share/vantorel/") + name);
  return QFileInfo(shared).isFile() ? shared : beside;
}

}  // namespace vantorel::ui
