#include "shell/text_print_form.h"

#include "shell/minimised_modal.h"
#include "shell/report_printer.h"
#include "shell/window_font.h"
#include "ui/error_box.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTextEdit>

namespace vantorel::shell {
namespace {

constexpr QSize kClientSize(638, 279);
constexpr int kPanelWidth = 105;

QPushButton* PlaceButton(QWidget* panel, const char* name, const QString& text, int top) {
  auto* button = new QPushButton(text, panel);
  button->setObjectName(name);
  button->setGeometry(8, top, 90, 25);
  return button;
}

}  // namespace

TTextPrintForm::TTextPrintForm()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      printer_(QPrinter::HighResolution) {
  setObjectName("TextPrintForm");
  setWindowTitle("Print report");
  setFont(WindowFont());
  setFixedSize(kClientSize);

  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setGeometry(0, 0, kClientSize.width() - kPanelWidth, kClientSize.height());
  RichEdit1->setAcceptRichText(false);
  RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1->setFont(WindowFont());
  // Tab moves on to the buttons, as in every other window, instead of typing a tab.
  RichEdit1->setTabChangesFocus(true);

  Panel1 = new QWidget(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(kClientSize.width() - kPanelWidth, 0, kPanelWidth, kClientSize.height());
  BuildButtons();

  connect(this, &QDialog::finished, this, &TTextPrintForm::FormClose);
  new MinimisedModalReturn(*this);
}

void TTextPrintForm::BuildButtons() {
  Button3 = PlaceButton(Panel1, "Button3", "Printer &Setup", 8);
  Button1 = PlaceButton(Panel1, "Button1", "&Print", 38);
  Button2 = PlaceButton(Panel1, "Button2", "&Close", 68);
  // A dialog's buttons would otherwise take Enter as a press of the default one.
  for (QPushButton* button : {Button3, Button1, Button2}) button->setAutoDefault(false);
  setTabOrder(Button3, Button1);
  setTabOrder(Button1, Button2);
  connect(Button3, &QPushButton::clicked, this, &TTextPrintForm::Button3Click);
  connect(Button1, &QPushButton::clicked, this, &TTextPrintForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TTextPrintForm::Button2Click);
}

void TTextPrintForm::ShowReport(const QStringList& lines) {
  Fill(lines);
  exec();
}

void TTextPrintForm::Fill(const QStringList& lines) { RichEdit1->setPlainText(lines.join('\n')); }

void TTextPrintForm::Button3Click() {
  // Only a confirmed choice changes the printer; the dialog's answer is not needed.
  // Qt's print dialog reads as if it printed at once: here it only chooses the printer
  // and its settings for the later Print commands.
  QPrintDialog dialog(&printer_, this);
  dialog.setWindowTitle(QStringLiteral("Printer Setup"));
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok)) confirm->setText("OK");
  }
  dialog.exec();
}

void TTextPrintForm::Button1Click() {
  const QString error = PrintReport(*RichEdit1->document(), printer_);
  if (!error.isEmpty()) ui::ShowErrorBox(this, error);
}

void TTextPrintForm::Button2Click() { close(); }

void TTextPrintForm::FormClose() { RichEdit1->clear(); }

}  // namespace vantorel::shell
