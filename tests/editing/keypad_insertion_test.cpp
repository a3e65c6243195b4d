#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "window_model.h"

namespace vantorel::editing {
namespace {

struct Click {
  Place focused;
  std::string text;
  int selStart;
  int selLength;
  const char* key;
  std::string after;  // text of the focused editor
  int caretAfter;
  bool clearsResult;
};

const std::vector<Click> kClicks = {
    // Expression editor: every key inserts at the caret, in place of the selection.
    {Place::Expression, "sin()", 4, 0, "Nr7btn", "sin(7)", 5, true},
    {Place::Expression, "sin(x)", 4, 1, "Sqrtbtn", "sin(sqrt(x))", 11, true},
    {Place::Expression, "1", 1, 0, "Operatoradditionbtn", "1 + ", 4, true},
    {Place::Expression, "", 0, 0, "Operatorbracket1btn", "(", 1, true},
    {Place::Expression, "2", 0, 0, "NrRecipbtn", "1/x2", 3, true},
    {Place::Expression, "", 0, 0, "TwoTo63btn", "TwoToPower63", 12, true},
    {Place::Expression, "", 0, 0, "EulerMascheronibtn", "EulerMascheroni", 15, true},
    {Place::Expression, "", 0, 0, "LogBaseNbtn", "logbaseN(10;x)", 14, true},
    {Place::Expression, "1\r\n2", 3, 0, "Pibtn", "1\r\nPi2", 5, true},
    // X value editor: digits, the separator and "E" only, and only while a number.
    {Place::XValue, "15", 2, 0, "Nr7btn", "157", 3, true},
    {Place::XValue, "15", 2, 0, "Nrptbtn", "15.", 3, true},
    {Place::XValue, "15", 2, 0, "NrEbtn", "15E", 3, true},
    {Place::XValue, "15E", 3, 0, "NrEbtn", "15E", 3, true},
    {Place::XValue, "15", 2, 0, "Sinbtn", "15", 2, false},
    {Place::XValue, "15", 2, 0, "NrXbtn", "15", 2, false},
    {Place::XValue, "15", 2, 0, "Operatoradditionbtn", "15", 2, false},
    {Place::XValue, "15", 2, 0, "Operatorsubtractionbtn", "15", 2, false},
    {Place::XValue, "15", 2, 0, "PiOn2btn", "15", 2, false},
    // Neither editor focused: nothing at all.
    {Place::Result, "42", 0, 2, "Nr7btn", "42", 0, false},
    {Place::Result, "42", 0, 2, "Sinbtn", "42", 0, false},
    {Place::Elsewhere, "", 0, 0, "Nr7btn", "", 0, false},
    {Place::Elsewhere, "", 0, 0, "Nrptbtn", "", 0, false},
};

TEST(KeypadInsertion, InsertsIntoTheFocusedEditorByTheKeysRule) {
  for (const Click& c : kClicks) {
    SCOPED_TRACE(std::string(c.key) + " on \"" + c.text + "\"");
    WindowModel window;
    window.expression.SetText("x");
    window.xValue.SetText("15");
    window.Prepare(c.focused, c.text, c.selStart, c.selLength);
    ASSERT_TRUE(window.commands.ClickKey(c.key));
    if (c.focused == Place::Elsewhere) {
      EXPECT_EQ(window.expression.Text(), "x");
      EXPECT_EQ(window.xValue.Text(), "15");
    } else {
      EditorModel& editor = window.Editor(c.focused);
      EXPECT_EQ(editor.Text(), c.after);
      EXPECT_EQ(editor.SelStart(), c.caretAfter);
    }
    if (c.focused != Place::Result) {
      EXPECT_EQ(window.result.Text(), c.clearsResult ? "" : "42");
    }
  }
}

TEST(KeypadInsertion, LeavesNothingToUndo) {
  WindowModel window;
  window.Prepare(Place::Expression, "", 0);
  window.Type("s");
  window.commands.ClickKey("Nr7btn");
  window.commands.UndobtnClick();
  EXPECT_EQ(window.expression.Text(), "s7");
}

TEST(KeypadInsertion, KeysWhoseCommandLivesElsewhereAreNotClicked) {
  WindowModel window;
  for (const char* name : {"Computebtn", "Constantsbtn", "ModeGroup", ""}) {
    EXPECT_FALSE(window.commands.ClickKey(name)) << name;
  }
}

TEST(ExpressionEditor, EnterAddsNoLineBreakButClearsTheResult) {
  WindowModel window;
  window.Prepare(Place::Expression, "1+2", 3);
  window.Type("\r");
  EXPECT_EQ(window.expression.Text(), "1+2");
  EXPECT_EQ(window.result.Text(), "");
  window.Type("\n");
  EXPECT_EQ(window.expression.Text(), "1+2\r\n") << "a line feed passes";
}

TEST(ExpressionEditor, EveryKeyPressClearsTheResultEvenWhenNothingChanges) {
  WindowModel window;
  window.Prepare(Place::Expression, "", 0);
  window.Type("\b");
  EXPECT_EQ(window.result.Text(), "");
}

TEST(FocusBookkeeping, LastEditorIsTheOneThatLastLostTheFocus) {
  WindowModel window;
  EXPECT_EQ(window.commands.LastEditor(), nullptr);
  window.expression.SetFocus();
  EXPECT_EQ(window.commands.LastEditor(), nullptr);
  window.xValue.SetFocus();
  EXPECT_EQ(window.commands.LastEditor(), &window.expression);
  window.result.SetFocus();
  EXPECT_EQ(window.commands.LastEditor(), &window.xValue);
  window.focus.FocusElsewhere();
  EXPECT_EQ(window.commands.LastEditor(), &window.result);
  window.focus.FocusElsewhere();
  EXPECT_EQ(window.commands.LastEditor(), &window.result);
}

TEST(FocusBookkeeping, ModeGroupGivesTheFocusBackSoTheNextKeyInsertsThere) {
  WindowModel window;
  window.Prepare(Place::XValue, "15", 2);
  window.focus.FocusElsewhere();  // the group takes the focus when clicked
  window.commands.ModeGroupClick();
  EXPECT_TRUE(window.xValue.HasFocus());
  EXPECT_EQ(window.result.Text(), "");
  window.commands.ClickKey("Nr3btn");
  EXPECT_EQ(window.xValue.Text(), "153");
}

TEST(FocusBookkeeping, ModeGroupBeforeAnyEditorLostTheFocusKeepsIt) {
  WindowModel window;
  window.Prepare(Place::Elsewhere, "", 0);
  window.commands.ModeGroupClick();
  EXPECT_TRUE(window.focus.ElsewhereHasFocus());
  EXPECT_EQ(window.result.Text(), "");
}

TEST(FocusBookkeeping, BackInTheResultEditorTheKeysDoNothing) {
  WindowModel window;
  window.Prepare(Place::Result, "42", 0);
  window.focus.FocusElsewhere();
  window.commands.ModeGroupClick();
  EXPECT_TRUE(window.result.HasFocus());
  window.result.SetText("42");
  window.commands.ClickKey("Nr3btn");
  EXPECT_EQ(window.result.Text(), "42");
}

}  // namespace
}  // namespace vantorel::editing
