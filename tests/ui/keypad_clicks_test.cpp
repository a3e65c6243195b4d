// Keys clicked with the mouse on the real window: they never take the focus, so each
// acts on the editor the user was in, at its caret.

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "window_fixture.h"

namespace vantorel::ui::testing {
namespace {

enum class Focus { Expression, XValue, Result };

class KeypadTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
  }
  editing::EditControl& EditorFor(Focus focus) {
    switch (focus) {
      case Focus::XValue:
        return Window().XValueEditor();
      case Focus::Result:
        return Window().ResultEditor();
      case Focus::Expression:
        break;
    }
    return Window().ExpressionEditor();
  }
};

TEST_F(KeypadTest, ClicksInsertAtTheCaretOfTheFocusedEditorAndLeaveItFocused) {
  const struct {
    Focus focus;
    const char* text;
    int selStart;
    int selLength;
    const char* key;
    const char* after;  // nullptr: nothing changes, the result stays
    int caretAfter;
  } cases[] = {
      {Focus::Expression, "sin()", 4, 0, "Nr7btn", "sin(7)", 5},
      {Focus::Expression, "sin(x)", 4, 1, "Sqrtbtn", "sin(sqrt(x))", 11},
      {Focus::Expression, "1", 1, 0, "Operatoradditionbtn", "1 + ", 4},
      {Focus::Expression, "", 0, 0, "Operatorbracket1btn", "(", 1},
      {Focus::Expression, "", 0, 0, "TwoTo63btn", "TwoToPower63", 12},
      {Focus::Expression, "", 0, 0, "EulerMascheronibtn", "EulerMascheroni", 15},
      {Focus::Expression, "", 0, 0, "LogBaseNbtn", "logbaseN(10;x)", 14},
      {Focus::Expression, "2", 1, 0, "Nrptbtn", "2.", 2},
      {Focus::XValue, "15", 2, 0, "Sinbtn", nullptr, 2},
      {Focus::XValue, "15", 2, 0, "NrXbtn", nullptr, 2},
      {Focus::XValue, "15", 2, 0, "Operatoradditionbtn", nullptr, 2},
      {Focus::XValue, "15", 2, 0, "Nr7btn", "157", 3},
      {Focus::XValue, "15", 2, 0, "NrEbtn", "15E", 3},
      {Focus::XValue, "15", 2, 0, "Nrptbtn", "15.", 3},
      {Focus::XValue, "15.", 3, 0, "Nrptbtn", "15.", 3},
      {Focus::XValue, "15", 0, 0, "Plusminusbtn", "-15", 1},
      {Focus::Result, "42", 0, 0, "Nr7btn", nullptr, 0},
  };
  Click("Constantsbtn");  // the constant keys show
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " on \"" + c.text + "\"");
    editing::EditControl& editor = EditorFor(c.focus);
    editor.SetText(c.text);
    editor.SetFocus();
    editor.SetSelection(c.selStart, c.selLength);
    if (c.focus != Focus::Result) Window().ResultEditor().SetText("42");
    Click(c.key);
    EXPECT_TRUE(editor.HasFocus());
    EXPECT_EQ(editor.Text(), c.after ? c.after : c.text);
    EXPECT_EQ(editor.SelStart(), c.caretAfter);
    EXPECT_EQ(editor.SelLength(), c.after ? 0 : c.selLength);
    EXPECT_EQ(Window().ResultEditor().Text(), c.after ? "" : "42");
  }
}

TEST_F(KeypadTest, TheDecimalPointKeyInsertsTheSeparatorInForceAtTheClick) {
  Window().ExpressionEditor().SetFocus();
  separator_ = ',';
  Click("Nrptbtn");
  EXPECT_EQ(Window().ExpressionEditor().Text().substr(0, 1), ",");
  EXPECT_EQ(Key("Nrptbtn")->text(), ".") << "the caption keeps the separator of the start";
}

TEST_F(KeypadTest, EnterInTheExpressionEditorBreaksNoLineAndClearsTheResult) {
  Window().ExpressionEditor().SetText("2*x");
  Window().ExpressionEditor().SetFocus();
  Window().ExpressionEditor().SetSelStart(3);
  Window().ResultEditor().SetText("42");
  QTest::keyClick(Control<QPlainTextEdit>("Editory1"), Qt::Key_Return);
  EXPECT_EQ(Window().ExpressionEditor().Text(), "2*x");
  EXPECT_EQ(Window().ResultEditor().Text(), "");
}

TEST_F(KeypadTest, AModeClickGivesTheFocusBackToTheLastEditor) {
  auto* degrees = Control<QRadioButton>("ModeGroupItem1");
  auto* grads = Control<QRadioButton>("ModeGroupItem2");
  Window().ResultEditor().SetText("42");
  QTest::mouseClick(degrees, Qt::LeftButton);  // from the expression editor
  EXPECT_EQ(Window().ResultEditor().Text(), "");
  EXPECT_TRUE(Window().ExpressionEditor().HasFocus());
  Window().XValueEditor().SetFocus();
  Window().XValueEditor().SetSelStart(2);
  QTest::mouseClick(grads, Qt::LeftButton);
  EXPECT_TRUE(Window().XValueEditor().HasFocus());
  Click("Nr7btn");
  EXPECT_EQ(Window().XValueEditor().Text(), "157");
}

TEST_F(KeypadTest, CopyTakesTheWholeResultAndLeavesTheFocusAlone) {
  editing::EditControl& expression = Window().ExpressionEditor();
  expression.SetText("2*x");
  expression.SetFocus();
  expression.SetSelStart(1);
  Window().ResultEditor().SetText("42");
  Click("Copybtn");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("42"));
  EXPECT_EQ(Window().ResultEditor().SelText(), "42");
  EXPECT_TRUE(expression.HasFocus());
  EXPECT_EQ(expression.SelStart(), 1);
  Click("Pastebtn");
  EXPECT_EQ(expression.Text(), "242*x");
  EXPECT_EQ(Window().ResultEditor().Text(), "");
}

TEST_F(KeypadTest, UndoTakesBackTypingButNotAKeypadInsertion) {
  editing::EditControl& expression = Window().ExpressionEditor();
  expression.SetText("x");
  expression.SetFocus();
  expression.SetSelStart(1);
  QTest::keyClick(Control<QPlainTextEdit>("Editory1"), Qt::Key_2);
  Click("Undobtn");
  EXPECT_EQ(expression.Text(), "x");
  Click("Undobtn");
  EXPECT_EQ(expression.Text(), "x2");
  Click("Nr5btn");
  Click("Undobtn");
  EXPECT_EQ(expression.Text(), "x25");
}

}  // namespace
}  // namespace vantorel::ui::testing
