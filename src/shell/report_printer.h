#pragma once
// Printing of the report text: one job on a printer, laid out page by page on the
// printer's whole printable area.

#include <QString>

class QPrinter;
class QTextDocument;

namespace vantorel::shell {

// The job's document name, as the print queue and a PDF's title show it.
inline constexpr char kReportJobName[] = "Report";

// Prints the whole document as one job named "Report", with the view's font scaled to
// the printer as a screen of 96 pixels per inch shows it, no margins beyond what the
// printer cannot print on, and as many pages as the text needs (an empty text still
// makes one page). Returns the error message, or an empty text when the job was made and
// the printing system took it: a print server that refuses the job or cannot be reached
// is an error too.
QString PrintReport(const QTextDocument& report, QPrinter& printer);

}  // namespace vantorel::shell
