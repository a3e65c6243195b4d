#pragma once
// What a printed PDF holds, read with the poppler tools (pdfinfo, pdftotext).

#include <QPointF>
#include <QString>
#include <QStringList>

namespace vantorel::shell::testing {

// Page count, or -1 when pdfinfo cannot read the file.
int PdfPages(const QString& path);
// The document title, where the print job's name goes.
QString PdfTitle(const QString& path);
// The text of one page (1-based), or of all pages with page 0, as lines.
QStringList PdfLines(const QString& path, int page = 0);
// The top-left corner, in points, of the first word on the first page.
QPointF FirstWordCorner(const QString& path);

}  // namespace vantorel::shell::testing
