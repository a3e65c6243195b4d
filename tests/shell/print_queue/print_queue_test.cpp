// Printing the report through a real print queue: a private print server with a PDF
// printer. A job the server takes arrives as "Report.pdf"; a job it refuses, or cannot
// take because it has gone, shows the error box and the report keeps its text.
#include "private_print_queue.h"
#include "shell/text_print_form.h"

#include "../pdf_reader.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <memory>

namespace vantorel::shell {
namespace {

using testing::PdfLines;
using testing::PrivatePrintQueue;

// What the error box showed before it was answered with OK.
struct BoxSeen {
  bool shown = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Watches for the error box while `owner` lives and presses its OK as a person would.
void AnswerErrorBox(QObject* owner, BoxSeen* seen) {
  auto* poll = new QTimer(owner);
  poll->start(10);
  QObject::connect(poll, &QTimer::timeout, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    *seen = {true, box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
    box->button(QMessageBox::Ok)->click();
  });
}

class PrintQueueTest : public ::testing::Test {
 protected:
  // One server folder for the process: the print clients keep the first server they meet.
  static void SetUpTestSuite() {
    if (PrivatePrintQueue::WhyUnavailable().isEmpty()) queue_ = std::make_unique<PrivatePrintQueue>();
  }
  static void TearDownTestSuite() { queue_.reset(); }

  void SetUp() override {
    const QString why = PrivatePrintQueue::WhyUnavailable();
    if (!why.isEmpty()) GTEST_SKIP() << "no private print server: " << why.toStdString();
    ASSERT_TRUE(queue_->Start()) << queue_->Log().toStdString();
  }
  void TearDown() override {
    if (queue_) queue_->Stop();
  }

  // The report window with these lines, shown, its Print button clicked with the mouse.
  void ClickPrint(TTextPrintForm& form, const QStringList& lines, BoxSeen* box) {
    ASSERT_EQ(form.Printer().printerName(), queue_->PrinterName()) << "the private queue is the default";
    form.Fill(lines);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    AnswerErrorBox(&form, box);
    QTest::mouseClick(form.Button1, Qt::LeftButton);
  }

  static std::unique_ptr<PrivatePrintQueue> queue_;
};

std::unique_ptr<PrivatePrintQueue> PrintQueueTest::queue_;

TEST_F(PrintQueueTest, AJobTheServerTakesArrivesAsAPdfNamedReport) {
  const QStringList lines = {"x = 15", "y = 3.5"};
  const QString pdf = queue_->OutputFolder() + "/Report.pdf";
  QFile::remove(pdf);
  TTextPrintForm form;
  BoxSeen box;
  ClickPrint(form, lines, &box);
  EXPECT_FALSE(box.shown) << box.text.toStdString();
  EXPECT_TRUE(QTest::qWaitFor([&] { return PdfLines(pdf) == lines; }, 20000))
      << PdfLines(pdf).join('|').toStdString() << "\n" << queue_->Log().toStdString();
}

struct Failure {
  const char* how;
  std::function<bool(PrivatePrintQueue&)> cause;
  const char* reason;  // how the print server's reason ends, where it does not vary
};

const Failure kFailures[] = {
    {"server stopped", [](PrivatePrintQueue& q) { q.Stop(); return true; }, ""},
    {"queue refuses jobs", [](PrivatePrintQueue& q) { return q.RefuseJobs(); },
     "is not accepting jobs"},
};

TEST_F(PrintQueueTest, AJobThePrintSystemDoesNotTakeShowsTheErrorBoxAndKeepsTheText) {
  for (const Failure& failure : kFailures) {
    queue_->Stop();
    ASSERT_TRUE(queue_->Start()) << failure.how;
    TTextPrintForm form;
    const QStringList lines = {"x = 15", failure.how};
    BoxSeen box;
    ASSERT_EQ(form.Printer().printerName(), queue_->PrinterName());
    ASSERT_TRUE(failure.cause(*queue_)) << failure.how;
    ClickPrint(form, lines, &box);
    ASSERT_TRUE(box.shown) << failure.how;
    EXPECT_EQ(box.title, "VantorelCalc (Korvanti)") << failure.how;
    EXPECT_EQ(box.icon, QMessageBox::Critical) << failure.how;
    EXPECT_EQ(box.buttons, QMessageBox::Ok) << failure.how;
    const QString refused = "The printer " + queue_->PrinterName() + " did not accept the print job: ";
    EXPECT_TRUE(box.text.startsWith(refused)) << box.text.toStdString();
    EXPECT_TRUE(box.text.endsWith(QString(failure.reason) + ".")) << box.text.toStdString();
    EXPECT_GT(box.text.size(), refused.size() + 1) << "the server's reason is shown";
    EXPECT_TRUE(form.isVisible()) << failure.how;
    EXPECT_EQ(form.RichEdit1->toPlainText(), lines.join('\n')) << failure.how;
  }
}

}  // namespace
}  // namespace vantorel::shell
