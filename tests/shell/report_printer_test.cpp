// Printing a report to a PDF file: one job named "Report", the printable area filled,
// as many pages as the text needs.
#include "shell/report_printer.h"
#include "shell/window_font.h"

#include "pdf_reader.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>

namespace vantorel::shell {
namespace {

using testing::FirstWordCorner;
using testing::PdfLines;
using testing::PdfPages;
using testing::PdfTitle;

QStringList Numbered(int count) {
  QStringList lines;
  for (int i = 1; i <= count; ++i) lines << QString("line %1 = %2").arg(i).arg(i * 0.5);
  return lines;
}

class ReportPrinterTest : public ::testing::Test {
 protected:
  // Prints the lines as the report window's text does and returns the PDF's path.
  QString Print(const QStringList& lines, QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    const QString path = dir_.filePath(QString("report%1.pdf").arg(++jobs_));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    QTextDocument report;
    report.setDefaultFont(WindowFont());
    report.setPlainText(lines.join('\n'));
    error_ = PrintReport(report, printer);
    return path;
  }

  // How many lines of the report fill one portrait page.
  int LinesPerPage() {
    const QString path = Print(Numbered(400));
    return PdfLines(path, 1).size();
  }

  QTemporaryDir dir_;
  QString error_;
  int jobs_ = 0;
};

TEST_F(ReportPrinterTest, EmptyReportIsStillOnePage) {
  const QString path = Print({});
  EXPECT_TRUE(error_.isEmpty()) << error_.toStdString();
  EXPECT_EQ(PdfPages(path), 1);
  EXPECT_TRUE(PdfLines(path).isEmpty());
}

TEST_F(ReportPrinterTest, JobIsNamedReport) {
  EXPECT_EQ(PdfTitle(Print({"x = 15"})), "Report");
}

TEST_F(ReportPrinterTest, PagesFollowTheLengthOfTheText) {
  const int perPage = LinesPerPage();
  // The view's 11 px font prints as 8.25 points; its lines take 1 to 1.4 times that on
  // the 842 points of an A4 page.
  ASSERT_LE(perPage, 102);
  ASSERT_GE(perPage, 72);
  struct Row {
    int lines;
    int pages;
  };
  for (const Row row : {Row{1, 1}, Row{perPage, 1}, Row{perPage + 1, 2},
                        Row{2 * perPage + perPage / 2, 3}, Row{3 * perPage, 3}}) {
    const QStringList lines = Numbered(row.lines);
    const QString path = Print(lines);
    EXPECT_EQ(PdfPages(path), row.pages) << row.lines << " lines";
    EXPECT_EQ(PdfLines(path), lines) << "every line once, in order";
  }
}

TEST_F(ReportPrinterTest, TextStartsAtTheCornerOfThePrintableArea) {
  const QPointF corner = FirstWordCorner(Print({"start"}));
  // In points; a glyph's box may reach a hair above its line. Qt's own default margins
  // would put the word 10 points in.
  EXPECT_GT(corner.x(), -0.5);
  EXPECT_LT(corner.x(), 1.5);
  EXPECT_GT(corner.y(), -0.5);
  EXPECT_LT(corner.y(), 4.0);
}

TEST_F(ReportPrinterTest, LandscapePagesHoldFewerLines) {
  const int portrait = LinesPerPage();
  const int landscape = PdfLines(Print(Numbered(400), QPageLayout::Landscape), 1).size();
  EXPECT_LT(landscape, portrait * 3 / 4);
  EXPECT_GT(landscape, portrait / 2);
}

TEST_F(ReportPrinterTest, LongLinesWrapInsteadOfBeingCut) {
  QStringList words;
  for (int i = 0; i < 300; ++i) words << QString("w%1").arg(i);
  const QString path = Print({words.join(' ')});
  const QStringList printed = PdfLines(path).join(' ').split(' ', Qt::SkipEmptyParts);
  EXPECT_EQ(printed, words);
  EXPECT_GT(PdfLines(path).size(), 3);
}

TEST_F(ReportPrinterTest, NoPrinterAndNoFileChosenIsAnError) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);  // what Qt picks when no printer exists
  QTextDocument report;
  EXPECT_EQ(PrintReport(report, printer), "There is no default printer currently selected");
}

TEST_F(ReportPrinterTest, AnUnwritableFileIsAnError) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName("/nonexistent-folder/report.pdf");
  QTextDocument report;
  EXPECT_EQ(PrintReport(report, printer), "Unable to write to /nonexistent-folder/report.pdf");
}

}  // namespace
}  // namespace vantorel::shell
