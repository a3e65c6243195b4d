// The editors on real widgets, driven by real key presses: what the user types passes
// the key handler, and the widget's own behaviour never escapes the one-level undo.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPalette>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor_window.h"

namespace vantorel::ui::testing {
namespace {

struct Typing {
  EditorKind kind;
  std::string name;
};

class TypedKeys : public ::testing::TestWithParam<Typing> {
 protected:
  void SetUp() override {
    window_ = std::make_unique<EditorWindow>(GetParam().kind);
    Editor().SetFocus();
    EditorWindow::Settle();
  }
  WidgetEditControl& Editor() { return window_->Editor(); }
  QWidget& Widget() { return window_->EditorWidget(); }
  bool ReadOnly() const { return GetParam().kind == EditorKind::Result; }
  bool MultiLine() const { return GetParam().kind == EditorKind::Expression; }
  void Record() {
    Editor().OnKeyPress = [this](char& key) { seen_.push_back(key); };
  }

  std::unique_ptr<EditorWindow> window_;
  std::vector<char> seen_;
};

void PrintTo(const Typing& typing, std::ostream* out) { *out << typing.name; }

std::string TypingName(const ::testing::TestParamInfo<Typing>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Editors, TypedKeys,
                         ::testing::Values(Typing{EditorKind::Expression, "Expression"},
                                           Typing{EditorKind::XValue, "XValue"},
                                           Typing{EditorKind::Result, "Result"}),
                         TypingName);

TEST_P(TypedKeys, EveryCharacterKeyPassesTheKeyHandlerFirst) {
  struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    char seen;
  };
  const std::vector<Press> presses = {
      {Qt::Key_A, Qt::NoModifier, 'a'},       {Qt::Key_5, Qt::NoModifier, '5'},
      {Qt::Key_Backspace, Qt::NoModifier, 8}, {Qt::Key_Return, Qt::NoModifier, 13},
      {Qt::Key_Enter, Qt::KeypadModifier, 13}, {Qt::Key_Escape, Qt::NoModifier, 27},
      {Qt::Key_V, Qt::ControlModifier, 22},   {Qt::Key_Z, Qt::ControlModifier, 26},
  };
  Record();
  for (const Press& press : presses) QTest::keyClick(&Widget(), press.key, press.modifiers);
  std::vector<char> expected;
  for (const Press& press : presses) expected.push_back(press.seen);
  EXPECT_EQ(seen_, expected);
}

TEST_P(TypedKeys, KeysThatTypeNothingDoNotReachTheKeyHandler) {
  Record();
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_Delete, Qt::Key_F1, Qt::Key_Shift}) {
    QTest::keyClick(&Widget(), key);
  }
  EXPECT_TRUE(seen_.empty());
}

TEST_P(TypedKeys, TheHandlerCanDiscardOrChangeATypedCharacter) {
  Editor().OnKeyPress = [](char& key) {
    if (key == 'z') key = 0;
    if (key == 'a') key = '7';
  };
  QTest::keyClicks(&Widget(), "1z2a");
  EXPECT_EQ(Editor().Text(), ReadOnly() ? "" : "127");
}

TEST_P(TypedKeys, EnterBreaksTheLineOnlyInTheMultiLineEditor) {
  QTest::keyClicks(&Widget(), "ab");
  QTest::keyClick(&Widget(), Qt::Key_Left);
  QTest::keyClick(&Widget(), Qt::Key_Return);
  const std::string expected = ReadOnly() ? "" : MultiLine() ? "a\r\nb" : "ab";
  EXPECT_EQ(Editor().Text(), expected);
  if (MultiLine()) {
    EXPECT_EQ(Editor().SelStart(), 3);
  }
}

TEST_P(TypedKeys, BackspaceTakesALineBreakAsAWhole) {
  if (!MultiLine()) GTEST_SKIP() << "one-line control";
  Editor().SetText("a\r\nb");
  Editor().SetSelStart(3);
  QTest::keyClick(&Widget(), Qt::Key_Backspace);
  EXPECT_EQ(Editor().Text(), "ab");
  EXPECT_EQ(Editor().SelStart(), 1);
}

TEST_P(TypedKeys, ARunOfTypingUndoesAsOneAndUndoingAgainPutsItBack) {
  if (ReadOnly()) GTEST_SKIP() << "nothing can be typed";
  Editor().SetText("15");
  Editor().SetSelStart(2);
  QTest::keyClicks(&Widget(), "678");
  QTest::keyClick(&Widget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Editor().Text(), "15");
  EXPECT_EQ(Editor().SelStart(), 2);
  QTest::keyClick(&Widget(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Editor().Text(), "15678");
  QTest::keyClick(&Widget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Editor().Text(), "15");
}

TEST_P(TypedKeys, MovingTheCaretEndsARunOfTyping) {
  if (ReadOnly()) GTEST_SKIP() << "nothing can be typed";
  QTest::keyClicks(&Widget(), "ab");
  QTest::keyClick(&Widget(), Qt::Key_Left);
  QTest::keyClick(&Widget(), Qt::Key_Right);
  QTest::keyClicks(&Widget(), "cd");
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), "ab");
}

TEST_P(TypedKeys, EditsTheWidgetMakesItselfAreTheOneStepToUndo) {
  if (ReadOnly()) GTEST_SKIP() << "nothing can be typed";
  Editor().SetText("12345");
  Editor().SetSelStart(1);
  int changes = 0;
  Editor().OnChange = [&changes] { ++changes; };
  QTest::keyClick(&Widget(), Qt::Key_Delete);
  EXPECT_EQ(Editor().Text(), "1345");
  EXPECT_EQ(changes, 1);
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), "12345");
  EXPECT_EQ(Editor().SelStart(), 1);
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), "1345");
}

TEST_P(TypedKeys, ClipboardKeysUseTheEditorsOwnCommands) {
  QGuiApplication::clipboard()->setText(QStringLiteral("7\n8"));
  Editor().SetText("15");
  Editor().SetSelStart(1);
  QTest::keyClick(&Widget(), Qt::Key_V, Qt::ControlModifier);
  const std::string pasted = ReadOnly() ? "15" : MultiLine() ? "17\r\n85" : "175";
  EXPECT_EQ(Editor().Text(), pasted);
  Editor().SelectAll();
  QTest::keyClick(&Widget(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Editor().Text(), ReadOnly() ? "15" : "");
  if (!ReadOnly()) {
    EXPECT_EQ(window_->Clipboard().Text(), pasted);
  }
  QTest::keyClick(&Widget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Editor().Text(), pasted);
}

TEST_P(TypedKeys, ReadOnlyEditorStillSelectsAndCopies) {
  if (!ReadOnly()) GTEST_SKIP() << "editable control";
  Editor().SetText("42");
  QTest::keyClick(&Widget(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Editor().SelText(), "42");
  QTest::keyClick(&Widget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(window_->Clipboard().Text(), "42");
}

TEST_P(TypedKeys, TextBeyondLatin1IsRefusedAndSaysSo) {
  if (ReadOnly()) GTEST_SKIP() << "nothing can be typed";
  Record();
  QStringList reasons;
  QObject::connect(&Editor(), &WidgetEditControl::Refused,
                   [&reasons](const QString& why) { reasons << why; });
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u20ac"));
  QApplication::sendEvent(&Widget(), &press);
  QGuiApplication::clipboard()->setText(QStringLiteral("1\u03a9"));
  QTest::keyClick(&Widget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(seen_, std::vector<char>{22}) << "only Ctrl+V reaches the key handler";
  EXPECT_EQ(Editor().Text(), "");
  EXPECT_EQ(reasons.size(), 2);
  EXPECT_FALSE(Editor().CanUndo());
}

TEST_P(TypedKeys, TakingTheFocusSelectsNothingAndLosingItKeepsTheSelection) {
  Editor().SetText("12345");
  Editor().SetSelection(1, 2);
  QTest::keyClick(&Widget(), Qt::Key_Tab);  // on to the other line edit
  EditorWindow::Settle();
  ASSERT_TRUE(window_->OtherWidget().hasFocus());
  EXPECT_EQ(Editor().SelText(), "23");
  QTest::keyClick(&window_->OtherWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EditorWindow::Settle();
  ASSERT_TRUE(Editor().HasFocus());
  EXPECT_EQ(Editor().SelText(), "23");
  Editor().SetSelStart(4);
  QTest::keyClick(&Widget(), Qt::Key_Tab);
  QTest::keyClick(&window_->OtherWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EditorWindow::Settle();
  EXPECT_EQ(Editor().SelStart(), 4);
  EXPECT_EQ(Editor().SelLength(), 0);
}

TEST_P(TypedKeys, FocusLostToAnotherProgramIsNoExit) {
  int exits = 0;
  Editor().OnExit = [&exits] { ++exits; };
  QWidget elsewhere;
  elsewhere.setFocusPolicy(Qt::StrongFocus);
  elsewhere.show();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  window_->Window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_->Window()));
  EXPECT_TRUE(Editor().HasFocus());
  EXPECT_EQ(exits, 0);
  window_->Other().SetFocus();
  EditorWindow::Settle();
  EXPECT_EQ(exits, 1);
}

TEST(LineEditors, SelectionLooksTheSameInAnInactiveWindow) {
  EditorWindow window(EditorKind::Result);
  const QPalette palette = window.EditorWidget().palette();
  EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
            palette.color(QPalette::Active, QPalette::Highlight));
  EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::HighlightedText),
            palette.color(QPalette::Active, QPalette::HighlightedText));
}

TEST(LineEditors, HoldLongTextsWhole) {
  EditorWindow window(EditorKind::XValue);
  const std::string longText(40000, '1');
  window.Editor().SetText(longText);
  EXPECT_EQ(window.Editor().Text(), longText);
}

TEST(ExpressionEditor, EveryFormOfLineBreakBecomesOne) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"a\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\r\n\r\nb", "a\r\n\r\nb"},
      {"a\n\rb", "a\r\n\r\nb"},
      {"\r\n", "\r\n"},
  };
  EditorWindow window(EditorKind::Expression);
  for (const Case& c : cases) {
    window.Editor().SetText(c.text);
    EXPECT_EQ(window.Editor().Text(), c.expected);
  }
}

TEST(ExpressionEditor, PositionsInsideALineBreakMoveBehindIt) {
  EditorWindow window(EditorKind::Expression);
  window.Editor().SetText("ab\r\ncd\r\nef");
  struct Case {
    int position;
    int expected;
  };
  for (const Case c : {Case{3, 4}, Case{7, 8}, Case{4, 4}, Case{99, 10}, Case{-1, 0}}) {
    window.Editor().SetSelStart(c.position);
    EXPECT_EQ(window.Editor().SelStart(), c.expected) << "asked for " << c.position;
  }
  window.Editor().SetSelection(1, 2);  // "b" and half a line break: the whole break
  EXPECT_EQ(window.Editor().SelText(), "b\r\n");
}

}  // namespace
}  // namespace vantorel::ui::testing
