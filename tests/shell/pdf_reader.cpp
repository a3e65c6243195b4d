#include "pdf_reader.h"

#include <QPointF>
#include <QProcess>
#include <QRegularExpression>

namespace vantorel::shell::testing {
namespace {

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(10000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString InfoField(const QString& path, const QString& field) {
  const QRegularExpression line("^" + field + ":\\s*(.*)$", QRegularExpression::MultilineOption);
  const QRegularExpressionMatch match = line.match(Run("pdfinfo", {path}));
  return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

}  // namespace

int PdfPages(const QString& path) {
  bool ok = false;
  const int pages = InfoField(path, "Pages").toInt(&ok);
  return ok ? pages : -1;
}

QString PdfTitle(const QString& path) { return InfoField(path, "Title"); }

QStringList PdfLines(const QString& path, int page) {
  QStringList arguments = {"-layout"};
  if (page > 0) arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
  arguments << path << "-";
  QStringList lines = Run("pdftotext", arguments).split('\n');
  // pdftotext writes ligatures ("fi") as single characters.
  for (QString& line : lines) line = line.normalized(QString::NormalizationForm_KC).trimmed();
  lines.removeAll(QString());
  lines.removeAll(QString("\f"));
  return lines;
}

QPointF FirstWordCorner(const QString& path) {
  const QString html = Run("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
  const QRegularExpression word("<word xMin=\"(-?[0-9.]+)\" yMin=\"(-?[0-9.]+)\"");
  const QRegularExpressionMatch match = word.match(html);
  if (!match.hasMatch()) return {-1, -1};
  return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

}  // namespace vantorel::shell::testing
