// The report window: its layout, filling and emptying, the printer set-up and printing.
#include "shell/text_print_form.h"
#include "ui/error_box.h"

#include "pdf_reader.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>

namespace vantorel::shell {
namespace {

using testing::PdfLines;
using testing::PdfPages;

struct ButtonRow {
  const char* name;
  QRect geometry;
  const char* text;
};

const ButtonRow kButtons[] = {
    {"Button3", {8, 8, 90, 25}, "Printer &Setup"},
    {"Button1", {8, 38, 90, 25}, "&Print"},
    {"Button2", {8, 68, 90, 25}, "&Close"},
};

TEST(TextPrintForm, LayoutOfTheReportWindow) {
  TTextPrintForm form;
  EXPECT_EQ(form.windowTitle(), "Print report");
  EXPECT_EQ(form.size(), QSize(638, 279));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.Panel1->geometry(), QRect(533, 0, 105, 279));
  EXPECT_EQ(form.RichEdit1->geometry(), QRect(0, 0, 533, 279));
  EXPECT_FALSE(form.RichEdit1->isReadOnly());
  EXPECT_EQ(form.RichEdit1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(form.RichEdit1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(form.RichEdit1->lineWrapMode(), QTextEdit::WidgetWidth);
  EXPECT_EQ(form.RichEdit1->font().pixelSize(), 11);
  for (const ButtonRow& row : kButtons) {
    auto* button = form.Panel1->findChild<QPushButton*>(row.name);
    ASSERT_NE(button, nullptr) << row.name;
    EXPECT_EQ(button->geometry(), row.geometry) << row.name;
    EXPECT_EQ(button->text(), row.text) << row.name;
  }
  EXPECT_EQ(form.Button3->nextInFocusChain(), form.Button1);
  EXPECT_EQ(form.Button1->nextInFocusChain(), form.Button2);
}

TEST(TextPrintForm, HasCloseAndMinimiseButtonsButNoMaximise) {
  TTextPrintForm form;
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(form.parentWidget(), nullptr);
}

TEST(TextPrintForm, OpensCentredOnTheScreen) {
  TTextPrintForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const QPoint offset = form.frameGeometry().center() - form.screen()->availableGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 2);
}

TEST(TextPrintForm, FillPutsOneLineForEachLine) {
  TTextPrintForm form;
  form.Fill({"x = 15", "", "y = 3.5"});
  EXPECT_EQ(form.RichEdit1->toPlainText(), "x = 15\n\ny = 3.5");
  form.Fill({});
  EXPECT_EQ(form.RichEdit1->toPlainText(), "");
}

struct CloseWay {
  const char* how;
  std::function<void(TTextPrintForm&)> close;
};

const CloseWay kCloseWays[] = {
    {"Close button", [](TTextPrintForm& f) { f.Button2->click(); }},
    {"Alt+C", [](TTextPrintForm& f) { QTest::keyClick(&f, Qt::Key_C, Qt::AltModifier); }},
    {"close box", [](TTextPrintForm& f) { f.close(); }},
    {"Escape", [](TTextPrintForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
};

void ShowActive(TTextPrintForm& form) {
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

TEST(TextPrintForm, ClosingEmptiesTheTextAndKeepsTheWindow) {
  TTextPrintForm form;
  for (const CloseWay& way : kCloseWays) {
    form.Fill({"a", "b"});
    ShowActive(form);
    way.close(form);
    // A shortcut presses its button visibly: the click comes a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, 2000)) << way.how;
    EXPECT_TRUE(form.RichEdit1->toPlainText().isEmpty()) << way.how;
  }
}

TEST(TextPrintForm, TabMovesTheFocusInsteadOfTypingATab) {
  TTextPrintForm form;
  form.Fill({"x = 15"});
  ShowActive(form);
  form.RichEdit1->setFocus();
  struct Step {
    Qt::Key key;
    QWidget* lands;
  };
  for (const Step& step : {Step{Qt::Key_Tab, form.Button3}, Step{Qt::Key_Tab, form.Button1},
                           Step{Qt::Key_Tab, form.Button2}, Step{Qt::Key_Tab, form.RichEdit1},
                           Step{Qt::Key_Backtab, form.Button2}}) {
    QTest::keyClick(QApplication::focusWidget(), step.key);
    EXPECT_EQ(QApplication::focusWidget(), step.lands) << step.lands->objectName().toStdString();
  }
  EXPECT_EQ(form.RichEdit1->toPlainText(), "x = 15");
}

class PrintingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = ui::SetErrorBoxPresenter(
        [this](QWidget*, const QString&, const QString& text) { errors_ << text; });
  }
  void TearDown() override { ui::SetErrorBoxPresenter(previous_); }

  QString PdfPath(const QString& name) const { return dir_.filePath(name); }

  void PrintToPdf(TTextPrintForm& form, const QString& path) {
    form.Printer().setOutputFormat(QPrinter::PdfFormat);
    form.Printer().setOutputFileName(path);
  }

  // Runs `step` once the window shows modally, as a person would act in it.
  static void WhileShown(const std::function<void()>& step) { QTimer::singleShot(0, step); }

  QTemporaryDir dir_;
  QStringList errors_;
  ui::ErrorBoxPresenter previous_;
};

TEST_F(PrintingTest, EditsArePrintedAndGoneAtTheNextOpening) {
  TTextPrintForm form;
  const QString path = PdfPath("edited.pdf");
  PrintToPdf(form, path);
  bool modal = false;
  WhileShown([&] {
    modal = QApplication::activeModalWidget() == &form;
    form.RichEdit1->moveCursor(QTextCursor::End);
    form.RichEdit1->insertPlainText("\nchecked by hand");
    form.Button1->click();
    form.Button2->click();
  });
  form.ShowReport({"x = 15", "y = 240"});
  EXPECT_TRUE(modal);
  EXPECT_EQ(PdfLines(path), QStringList({"x = 15", "y = 240", "checked by hand"}));

  QString shownAgain;
  WhileShown([&] {
    shownAgain = form.RichEdit1->toPlainText();
    form.Button2->click();
  });
  form.ShowReport({"x = 15", "y = 240"});
  EXPECT_EQ(shownAgain, "x = 15\ny = 240");
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(PrintingTest, AltPPrintsTheWholeTextAsOneJob) {
  TTextPrintForm form;
  const QString path = PdfPath("alt-p.pdf");
  PrintToPdf(form, path);
  form.Fill({"only line"});
  ShowActive(form);
  QTest::keyClick(&form, Qt::Key_P, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 2000));
  EXPECT_EQ(PdfPages(path), 1);
  EXPECT_EQ(testing::PdfTitle(path), "Report");
  EXPECT_TRUE(form.isVisible()) << "the window stays open after printing";
  EXPECT_EQ(form.RichEdit1->toPlainText(), "only line");
}

TEST_F(PrintingTest, EmptyReportPrintsOnePage) {
  TTextPrintForm form;
  const QString path = PdfPath("empty.pdf");
  PrintToPdf(form, path);
  form.Fill({});
  form.Button1Click();
  EXPECT_EQ(PdfPages(path), 1);
}

TEST_F(PrintingTest, WithoutAPrinterTheErrorShowsAndTheTextStays) {
  TTextPrintForm form;
  if (!form.Printer().printerName().isEmpty()) GTEST_SKIP() << "this machine has a printer";
  form.Fill({"x = 15"});
  ShowActive(form);
  form.Button1->click();
  EXPECT_EQ(errors_, QStringList({"There is no default printer currently selected."}));
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.RichEdit1->toPlainText(), "x = 15");
}

// What the printer set-up dialog showed before it was answered.
struct SetupSeen {
  bool shown = false;
  QString title;
  QString confirm;
};

// Answers the printer set-up dialog once it shows: chooses printing to `file`, then
// confirms or cancels.
void AnswerSetupDialog(const QString& file, bool confirm, SetupSeen* seen) {
  auto* poll = new QTimer;
  poll->start(10);
  QObject::connect(poll, &QTimer::timeout, [=] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll->deleteLater();
    poll->stop();
    if (auto* name = dialog->findChild<QLineEdit*>("filename")) name->setText(file);
    QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    *seen = {true, dialog->windowTitle(), ok->text()};
    if (confirm) {
      ok->click();
    } else {
      dialog->reject();
    }
  });
}

TEST_F(PrintingTest, AConfirmedPrinterChoiceHoldsForLaterPrints) {
  TTextPrintForm form;
  const QString chosen = PdfPath("chosen.pdf");
  SetupSeen seen;
  AnswerSetupDialog(chosen, true, &seen);
  form.Button3Click();
  ASSERT_TRUE(seen.shown);
  // The dialog only chooses the printer: nothing in it may promise to print.
  EXPECT_EQ(seen.title, "Printer Setup");
  EXPECT_EQ(seen.confirm, "OK");
  for (const char* text : {"first print", "second print"}) {
    form.Fill({text});
    form.Button1Click();
    EXPECT_EQ(PdfLines(chosen), QStringList({text}));
  }
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(PrintingTest, ACancelledPrinterSetupChangesNothing) {
  TTextPrintForm form;
  const QString before = form.Printer().outputFileName();
  SetupSeen seen;
  AnswerSetupDialog(PdfPath("cancelled.pdf"), false, &seen);
  ShowActive(form);
  QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return seen.shown; }, 2000)) << "Alt+S opens the printer set-up";
  EXPECT_EQ(form.Printer().outputFileName(), before);
  EXPECT_FALSE(QFile::exists(PdfPath("cancelled.pdf")));
}

}  // namespace
}  // namespace vantorel::shell
