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

enum class Target { Expression, XValue, Result };

class KeypadTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
  }
  editing::EditControl& EditorFor(Target focus) {
    switch (focus) {
      case Target::XValue:
        return Window().XValueEditor();
      case Target::Result:
        return Window().ResultEditor();
      case Target::Expression:
        break;
    }
    return Window().ExpressionEditor();
  }
};

TEST_F(KeypadTest, ClicksInsertAtTheCaretOfTheFocusedEditorAndLeaveItFocused) {
  const struct {
    Target focus;
    const char* text;
    int selStart;
    int selLength;
    const char* key;
    const char* after;  // nullptr: nothing changes, the result stays
    int caretAfter;
  } cases[] = {
      {Target::Expression, "sin()", 4, 0, "Nr7btn", "sin(7)", 5},
      {Target::Expression, "sin(x)", 4, 1, "Sqrtbtn", "sin(sqrt(x))", 11},
      {Target::Expression, "1", 1, 0, "Operatoradditionbtn", "1 + ", 4},
      {Target::Expression, "", 0, 0, "Operatorbracket1btn", "(", 1},
      {Target::Expression, "", 0, 0, "TwoTo63btn", "TwoToPower63", 12},
      {Target::Expression, "", 0, 0, "EulerMascheronibtn", "EulerMascheroni", 15},
      {Target::Expression, "", 0, 0, "LogBaseNbtn", "logbaseN(10;x)", 14},
      {Target::Expression, "2", 1, 0, "Nrptbtn", "2.", 2},
      {Target::XValue, "15", 2, 0, "Sinbtn", nullptr, 2},
      {Target::XValue, "15", 2, 0, "NrXbtn", nullptr, 2},
      {Target::XValue, "15", 2, 0, "Operatoradditionbtn", nullptr, 2},
      {Target::XValue, "15", 2, 0, "Nr7btn", "157", 3},
      {Target::XValue, "15", 2, 0, "NrEbtn", "15E", 3},
      {Target::XValue, "15", 2, 0, "Nrptbtn", "15.", 3},
      {Target::XValue, "15.", 3, 0, "Nrptbtn", "15.", 3},
      {Target::XValue, "15", 0, 0, "Plusminusbtn", "-15", 1},
      {Target::Result, "42", 0, 0, "Nr7btn", nullptr, 0},
  };
  Click("Constantsbtn");  // the constant keys show
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " on \"" + c.text + "\"");
    editing::EditControl& editor = Focus(EditorFor(c.focus), c.text, c.selStart, c.selLength);
    if (c.focus != Target::Result) Window().ResultEditor().SetText("42");
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
  Focus(Window().ExpressionEditor(), "2*x", 3);
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
  Focus(Window().XValueEditor(), "15", 2);
  QTest::mouseClick(grads, Qt::LeftButton);
  EXPECT_TRUE(Window().XValueEditor().HasFocus());
  Click("Nr7btn");
  EXPECT_EQ(Window().XValueEditor().Text(), "157");
}

TEST_F(KeypadTest, CopyTakesTheWholeResultAndLeavesTheFocusAlone) {
  editing::EditControl& expression = Focus(Window().ExpressionEditor(), "2*x", 1);
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
  editing::EditControl& expression = Focus(Window().ExpressionEditor(), "x", 1);
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
