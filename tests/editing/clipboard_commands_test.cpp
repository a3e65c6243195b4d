#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "window_model.h"

namespace vantorel::editing {
namespace {

TEST(Copy, PutsTheWholeResultOnTheClipboardWhereverTheFocusIs) {
  WindowModel window;
  window.Prepare(Place::Expression, "1+2", 1);
  window.result.SetText("42");
  window.commands.CopybtnClick();
  EXPECT_EQ(window.clipboard.Text(), "42");
  EXPECT_EQ(window.result.SelText(), "42");
  EXPECT_TRUE(window.expression.HasFocus());
  EXPECT_EQ(window.expression.SelStart(), 1);
}

TEST(Copy, OfAnEmptyResultLeavesTheClipboardAlone) {
  WindowModel window;
  window.clipboard.SetText("before");
  window.commands.CopybtnClick();
  EXPECT_EQ(window.clipboard.Text(), "before");
}

TEST(Paste, InsertsTheCopiedResultAtTheCaretAndClearsTheResult) {
  WindowModel window;
  window.Prepare(Place::Expression, "x * ", 4);
  window.commands.CopybtnClick();
  window.commands.PastebtnClick();
  EXPECT_EQ(window.expression.Text(), "x * 42");
  EXPECT_EQ(window.expression.SelStart(), 6);
  EXPECT_EQ(window.result.Text(), "");
}

TEST(Paste, KeepsLineBreaksAndIsUndoable) {
  WindowModel window;
  window.Prepare(Place::Expression, "ab", 1);
  window.clipboard.SetText("1\r\n2");
  window.commands.PastebtnClick();
  EXPECT_EQ(window.expression.Text(), "a1\r\n2b");
  window.commands.UndobtnClick();
  EXPECT_EQ(window.expression.Text(), "ab");
}

TEST(Paste, OfAnEmptyClipboardInsertsNothingButClearsTheResult) {
  WindowModel window;
  window.Prepare(Place::Expression, "ab", 1);
  window.clipboard.SetText("");
  window.commands.PastebtnClick();
  EXPECT_EQ(window.expression.Text(), "ab");
  EXPECT_EQ(window.result.Text(), "");
}

TEST(Cut, MovesTheSelectionToTheClipboardAndKeepsTheResult) {
  WindowModel window;
  window.Prepare(Place::Expression, "sin(x) + 1", 6, 4);
  window.commands.CutToClipboardbtnClick();
  EXPECT_EQ(window.expression.Text(), "sin(x)");
  EXPECT_EQ(window.clipboard.Text(), " + 1");
  EXPECT_EQ(window.result.Text(), "42");
  window.commands.UndobtnClick();
  EXPECT_EQ(window.expression.Text(), "sin(x) + 1");
}

TEST(Cut, WithNothingSelectedDoesNothing) {
  WindowModel window;
  window.clipboard.SetText("before");
  window.Prepare(Place::Expression, "sin(x)", 3);
  window.commands.CutToClipboardbtnClick();
  EXPECT_EQ(window.expression.Text(), "sin(x)");
  EXPECT_EQ(window.clipboard.Text(), "before");
}

struct Clearing {
  Place focused;
  std::string text;
  int selStart;
  int selLength;
  std::string after;
};

TEST(Clear, DeletesLikeBackspaceAndClearsTheResult) {
  const std::vector<Clearing> cases = {
      {Place::XValue, "15", 2, 0, "1"},
      {Place::XValue, "15", 0, 1, "5"},
      {Place::XValue, "1E5", 0, 1, "E5"},  // the check cannot cut back at the start
      {Place::XValue, "1E5", 2, 0, "15"},
      {Place::Expression, "sin(x)", 0, 0, "sin(x)"},
      {Place::Expression, "1\r\n2", 3, 0, "12"},
      {Place::Expression, "sin(x)", 0, 4, "x)"},
  };
  for (const Clearing& c : cases) {
    SCOPED_TRACE(c.text + " at " + std::to_string(c.selStart));
    WindowModel window;
    window.Prepare(c.focused, c.text, c.selStart, c.selLength);
    window.commands.ClearSelectionbtnClick();
    EXPECT_EQ(window.Editor(c.focused).Text(), c.after);
    EXPECT_EQ(window.result.Text(), "");
  }
}

TEST(Undo, TakesBackATypedCharacterAndPutsItBackOnTheSecondClick) {
  WindowModel window;
  window.Prepare(Place::Expression, "sin(x)", 6);
  window.Type("2");
  window.result.SetText("42");
  window.commands.UndobtnClick();
  EXPECT_EQ(window.expression.Text(), "sin(x)");
  EXPECT_EQ(window.result.Text(), "");
  window.commands.UndobtnClick();
  EXPECT_EQ(window.expression.Text(), "sin(x)2");
}

TEST(Undo, AfterTheSignToggleChangesNothing) {
  WindowModel window;
  window.Prepare(Place::Expression, "45", 2);
  window.Type("6");
  window.expression.SetSelStart(0);
  window.commands.ToggleSign();
  window.commands.UndobtnClick();
  EXPECT_EQ(window.expression.Text(), "-456");
}

// Paste, Cut and Undo serve the expression editor, Clear also the X value editor.
TEST(ClipboardKeys, WithoutTheirEditorFocusedDoNothingAtAll) {
  struct Case {
    Place focused;
    const char* key;
  };
  const std::vector<Case> cases = {
      {Place::XValue, "Pastebtn"},          {Place::XValue, "CutToClipboardbtn"},
      {Place::XValue, "Undobtn"},           {Place::Result, "Pastebtn"},
      {Place::Result, "CutToClipboardbtn"}, {Place::Result, "Undobtn"},
      {Place::Result, "ClearSelectionbtn"}, {Place::Elsewhere, "Pastebtn"},
      {Place::Elsewhere, "Undobtn"},        {Place::Elsewhere, "ClearSelectionbtn"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    WindowModel window;
    window.expression.SetText("12");
    window.expression.SetSelStart(2);
    window.expression.DeliverChar('3');  // something to undo
    window.expression.SelectAll();       // something to cut
    window.xValue.SetText("15");
    window.xValue.SetSelection(1, 1);
    window.Focus(c.focused);
    window.result.SetText("42");
    window.clipboard.SetText("9");
    window.commands.ClickKey(c.key);
    EXPECT_EQ(window.expression.Text(), "123");
    EXPECT_EQ(window.xValue.Text(), "15");
    EXPECT_EQ(window.result.Text(), "42");
    EXPECT_EQ(window.clipboard.Text(), "9");
  }
}

}  // namespace
}  // namespace vantorel::editing
