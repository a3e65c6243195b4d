// F9 computes from anywhere in the window, and the status bar tells what a computed
// formula ignored after its end.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>

#include "window_fixture.h"

namespace vantorel::ui::testing {
namespace {

class ComputeKeyTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
  }
  // What the status bar shows.
  QString StatusText() { return Control<QLabel>("StatusText")->text(); }
  // The formula computed by a click on "Compute", as the user would.
  void Compute(const std::string& formula) {
    Window().ExpressionEditor().SetText(formula);
    Window().XValueEditor().SetText("15");
    Click("Computebtn");
  }
};

TEST_F(ComputeKeyTest, F9ComputesFromEachEditorAndLeavesTheFocusThere) {
  for (const char* name : {"Editory1", "EditXValue", "EditYValue"}) {
    SCOPED_TRACE(name);
    Window().ExpressionEditor().SetText("2*x");
    Window().XValueEditor().SetText("15");
    Window().ResultEditor().SetText("before");
    QWidget* editor = Control<QWidget>(name);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_F9);
    EXPECT_EQ(Window().ResultEditor().Text(), "30.0");
    EXPECT_EQ(QApplication::focusWidget(), editor);
  }
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join(" / ").toStdString();
}

TEST_F(ComputeKeyTest, EnterInTheExpressionEditorStillOnlyClearsTheResult) {
  Focus(Window().ExpressionEditor(), "2*x", 3);
  Window().ResultEditor().SetText("before");
  QTest::keyClick(Control<QWidget>("Editory1"), Qt::Key_Return);
  EXPECT_EQ(Window().ResultEditor().Text(), "");
  EXPECT_EQ(Window().ExpressionEditor().Text(), "2*x");
  EXPECT_TRUE(Window().Memo1Lines().isEmpty());
}

TEST_F(ComputeKeyTest, NoticeShowsWhatWasIgnoredUntilTheTextChanges) {
  Compute("2^3");
  EXPECT_EQ(Window().ResultEditor().Text(), "2.0");
  const QString notice = QStringLiteral("Ignored after the formula: \"^3\"");
  EXPECT_EQ(StatusText(), notice);
  // A hint takes the bar while the pointer rests on a control; then the notice is back.
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(Control<QWidget>("Editory1"), &enter);
  EXPECT_TRUE(StatusText().startsWith(QStringLiteral("Expr-Editor:")));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(Control<QWidget>("Editory1"), &leave);
  EXPECT_EQ(StatusText(), notice);

  Focus(Window().ExpressionEditor(), "2^3", 3);
  QTest::keyClick(Control<QWidget>("Editory1"), Qt::Key_Backspace);
  EXPECT_EQ(StatusText(), QString());
}

TEST_F(ComputeKeyTest, NoticeIsShortenedAndLeftOutForACommentInWords) {
  Compute("2*x  the doubled value");
  EXPECT_EQ(Window().ResultEditor().Text(), "30.0");
  EXPECT_EQ(StatusText(), QString());

  Compute("2x" + std::string(60, 'y'));
  EXPECT_EQ(StatusText(), QStringLiteral("Ignored after the formula: \"x") +
                                 QString(39, u'y') + QStringLiteral("\u2026\""));
  EXPECT_TRUE(Window().Memo1Lines().contains(QStringLiteral("Comment (ignored): x") +
                                             QString(60, u'y')));
}

}  // namespace
}  // namespace vantorel::ui::testing
