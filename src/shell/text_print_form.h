#pragma once
// The report window: shows a result list, lets the user edit it, choose a printer and
// print it. One window lives for the whole run and is reused for every Print command.

#include <QDialog>
#include <QPrinter>
#include <QStringList>
#include <memory>

class QPushButton;
class QTextEdit;

namespace vantorel::shell {

class TTextPrintForm : public QDialog {
  Q_OBJECT

 public:
  TTextPrintForm();

  QTextEdit* RichEdit1;
  QWidget* Panel1;
  QPushButton* Button3;  // Printer Setup
  QPushButton* Button1;  // Print
  QPushButton* Button2;  // Close

  // The Print command: the lines replace the text, one line each, and the window shows
  // modally until it is closed.
  void ShowReport(const QStringList& lines);
  void Fill(const QStringList& lines);

  void Button3Click();
  void Button1Click();
  void Button2Click();
  // Runs however the window closes: the text exists only while the window shows.
  void FormClose();

  // The printer chosen for the rest of the run, made when first needed: finding the
  // printers loads the print system, which the start of the program does not need.
  QPrinter& Printer();

 private:
  void BuildButtons();

  std::unique_ptr<QPrinter> printer_;
};

}  // namespace vantorel::shell
