#include "shell/report_printer.h"

#include "platform/print_system.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

namespace vantorel::shell {
namespace {

// The view sizes its font in screen pixels; this many of them make an inch on paper.
constexpr double kViewPixelsPerInch = 96.0;

// With no printer installed Qt falls back to PDF output, but to no file: nothing chosen.
bool HasPrinter(const QPrinter& printer) {
  return !printer.printerName().isEmpty() || !printer.outputFileName().isEmpty();
}

// The printable area is what the printer can reach: only its own minimum margins.
void UsePrintableArea(QPrinter& printer) {
  QPageLayout layout = printer.pageLayout();
  layout.setMode(QPageLayout::StandardMode);
  layout.setMargins(layout.minimumMargins());
  printer.setFullPage(false);
  printer.setPageLayout(layout);
}

void DrawPages(QTextDocument& document, QPrinter& printer, QPainter& painter) {
  const QSizeF page = document.pageSize();
  const double scale = printer.resolution() / kViewPixelsPerInch;
  painter.scale(scale, scale);
  for (int index = 0; index < document.pageCount(); ++index) {
    if (index > 0) printer.newPage();
    painter.save();
    const QRectF shown(QPointF(0, index * page.height()), page);
    painter.translate(0, -shown.top());
    document.drawContents(&painter, shown);
    painter.restore();
  }
}

QString Refused(const QPrinter& printer) {
  return QString("The printer %1 did not accept the print job").arg(printer.printerName());
}

// Whatever the printing system reports once the pages are drawn and the job is handed
// over: the painter's end, the printer's state, and the print server's answer, which Qt
// itself does not look at.
QString JobError(const QPrinter& printer, bool ended) {
  const QPrinter::PrinterState state = printer.printerState();
  if (!ended || state == QPrinter::Error || state == QPrinter::Aborted) {
    return printer.outputFileName().isEmpty()
               ? Refused(printer)
               : QString("Unable to write to %1").arg(printer.outputFileName());
  }
  if (!printer.outputFileName().isEmpty()) return {};
  const QString reason = platform::LastPrintServerError();
  return reason.isEmpty() ? QString() : Refused(printer) + ": " + reason;
}

}  // namespace

QString PrintReport(const QTextDocument& report, QPrinter& printer) {
  if (!HasPrinter(printer)) return "There is no default printer currently selected";
  printer.setDocName(kReportJobName);
  UsePrintableArea(printer);

  std::unique_ptr<QTextDocument> document(report.clone());
  document->setDefaultFont(report.defaultFont());
  document->setDocumentMargin(0);
  const QSizeF area = printer.pageRect(QPrinter::Inch).size() * kViewPixelsPerInch;
  document->setPageSize(area);

  QPainter painter;
  if (!painter.begin(&printer)) return JobError(printer, false);
  DrawPages(*document, printer, painter);
  const bool ended = painter.end();
  return JobError(printer, ended);
}

}  // namespace vantorel::shell
