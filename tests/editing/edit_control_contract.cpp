#include "edit_control_contract.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace vantorel::editing::contract {

namespace {

constexpr char kBackspace = 8;

// A change of the text as the user sees it: before, what is done, after.
struct Edit {
  std::string text;
  int selStart;
  int selLength;
  std::string expected;
  int expectedCaret;
};

// Counts OnChange calls and remembers what the handler saw.
struct ChangeLog {
  int calls = 0;
  std::vector<std::string> texts;
  std::vector<int> carets;

  void Attach(EditControl& editor) {
    editor.OnChange = [this, &editor] {
      ++calls;
      texts.push_back(editor.Text());
      carets.push_back(editor.SelStart());
    };
  }
};

}  // namespace

std::string ContractTargetName(const ::testing::TestParamInfo<ContractTarget>& info) {
  return info.param.name;
}

void EditControlContract::SetUp() {
  harness_ = GetParam().make();
  ASSERT_NE(harness_, nullptr);
}

void EditControlContract::FocusEditor() {
  Editor().SetFocus();
  harness_->Settle();
}

void EditControlContract::FocusOther() {
  Other().SetFocus();
  harness_->Settle();
}

void EditControlContract::Prepare(const std::string& text, int selStart, int selLength) {
  Editor().SetText(text);
  Editor().SetSelection(selStart, selLength);
}

// The window may run a test binary that links this suite without instantiating it.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(EditControlContract);

TEST_P(EditControlContract, FocusIsHeldByOneControlAndItsLossIsReportedOnce) {
  int exits = 0;
  Editor().OnExit = [&exits] { ++exits; };
  FocusEditor();
  EXPECT_TRUE(Editor().HasFocus());
  EXPECT_FALSE(Other().HasFocus());
  FocusEditor();
  EXPECT_EQ(exits, 0) << "giving the focus to the control holding it is no loss";
  FocusOther();
  EXPECT_FALSE(Editor().HasFocus());
  EXPECT_TRUE(Other().HasFocus());
  EXPECT_EQ(exits, 1);
  FocusOther();
  EXPECT_EQ(exits, 1);
}

TEST_P(EditControlContract, SelectionStaysWhileAnotherControlHasTheFocus) {
  Prepare("12345", 1, 3);
  FocusEditor();
  Editor().SetSelection(1, 3);
  FocusOther();
  EXPECT_EQ(Editor().SelStart(), 1);
  EXPECT_EQ(Editor().SelLength(), 3);
  EXPECT_EQ(Editor().SelText(), "234");
}

TEST_P(EditControlContract, ReplacingTheSelectionPutsTheCaretBehindTheNewText) {
  struct Replacement {
    std::string text;
    int selStart;
    int selLength;
    std::string inserted;
    std::string expected;
    int expectedCaret;
  };
  const std::vector<Replacement> replacements = {
      {"sin()", 4, 0, "7", "sin(7)", 5},
      {"sin(x)", 4, 1, "sqrt(x)", "sin(sqrt(x))", 11},
      {"12", 2, 0, " + ", "12 + ", 5},
      {"abc", 0, 3, "", "", 0},
  };
  for (const Replacement& r : replacements) {
    SCOPED_TRACE(r.text + " <- \"" + r.inserted + "\"");
    Prepare(r.text, r.selStart, r.selLength);
    Editor().ReplaceSelection(r.inserted);
    EXPECT_EQ(Editor().Text(), r.expected);
    EXPECT_EQ(Editor().SelStart(), r.expectedCaret);
    EXPECT_EQ(Editor().SelLength(), 0);
  }
}

TEST_P(EditControlContract, ReplacingTheSelectionLeavesNothingToUndo) {
  Prepare("15", 2);
  FocusEditor();
  Editor().DeliverChar('7');
  Editor().SetSelection(0, 1);
  Editor().ReplaceSelection("-");
  const std::string replaced = Editor().Text();
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), replaced);
}

TEST_P(EditControlContract, ReplacingTheWholeTextLeavesTheCaretAtZeroAlreadyDuringTheChange) {
  Prepare("15", 2);
  FocusEditor();
  if (!ReadOnly()) Editor().DeliverChar('7');
  Editor().SetSelection(1, 1);
  ChangeLog log;
  log.Attach(Editor());
  Editor().SetText("-15");
  ASSERT_EQ(log.calls, 1);
  EXPECT_EQ(log.texts[0], "-15");
  EXPECT_EQ(log.carets[0], 0);
  EXPECT_EQ(Editor().SelStart(), 0);
  EXPECT_EQ(Editor().SelLength(), 0);
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), "-15");
}

TEST_P(EditControlContract, SettingTheSelectionStartEmptiesTheSelection) {
  Prepare("12345", 1, 3);
  Editor().SetSelStart(4);
  EXPECT_EQ(Editor().SelStart(), 4);
  EXPECT_EQ(Editor().SelLength(), 0);
  EXPECT_EQ(Editor().SelText(), "");
  Editor().SelectAll();
  EXPECT_EQ(Editor().SelStart(), 0);
  EXPECT_EQ(Editor().SelText(), "12345");
}

TEST_P(EditControlContract, TypedCharacterPassesTheKeyHandlerWhichMayChangeOrDiscardIt) {
  Prepare("15", 0, 1);
  FocusEditor();
  std::vector<char> seen;
  Editor().OnKeyPress = [&seen](char& key) {
    seen.push_back(key);
    if (key == 'a') key = '7';
    if (key == 'z') key = 0;
  };
  ChangeLog log;
  log.Attach(Editor());
  Editor().DeliverChar('z');
  EXPECT_EQ(Editor().Text(), "15");
  EXPECT_EQ(log.calls, 0);
  Editor().DeliverChar('a');
  EXPECT_EQ(seen, (std::vector<char>{'z', 'a'}));
  if (ReadOnly()) {
    EXPECT_EQ(Editor().Text(), "15");
    return;
  }
  EXPECT_EQ(Editor().Text(), "75");
  EXPECT_EQ(Editor().SelStart(), 1);
  EXPECT_EQ(Editor().SelLength(), 0);
  EXPECT_EQ(log.texts, (std::vector<std::string>{"75"}));
}

TEST_P(EditControlContract, BackspaceDeletesTheSelectionOrTheCharacterBeforeTheCaret) {
  std::vector<Edit> edits = {
      {"15", 2, 0, "1", 1},  {"15", 0, 1, "5", 0},  {"abc", 1, 2, "a", 1},
      {"15", 0, 0, "15", 0},  // nothing in front of the caret
  };
  if (MultiLine()) {
    edits.push_back({"a\r\nb", 3, 0, "ab", 1});  // the line break goes as a whole
    edits.push_back({"\r\n\r\n", 4, 0, "\r\n", 2});
    edits.push_back({"a\r\nb", 1, 2, "ab", 1});
    edits.push_back({"a\r\nb", 4, 0, "a\r\n", 3});
  }
  for (const Edit& e : edits) {
    SCOPED_TRACE(e.text + " at " + std::to_string(e.selStart));
    Prepare(e.text, e.selStart, e.selLength);
    FocusEditor();
    ChangeLog log;
    log.Attach(Editor());
    Editor().DeliverChar(kBackspace);
    const bool changes = !ReadOnly() && e.expected != e.text;
    EXPECT_EQ(Editor().Text(), changes ? e.expected : e.text);
    if (changes) {
      EXPECT_EQ(Editor().SelStart(), e.expectedCaret);
    }
    EXPECT_EQ(log.calls, changes ? 1 : 0);
    Editor().OnChange = nullptr;
  }
}

TEST_P(EditControlContract, UndoTakesBackTheLastEditAndASecondUndoPutsItBack) {
  Prepare("15", 2);
  FocusEditor();
  Editor().DeliverChar('7');
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), "15");
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), ReadOnly() ? "15" : "157");
}

TEST_P(EditControlContract, UndoWithNothingToUndoChangesNothing) {
  Prepare("15", 1);
  FocusEditor();
  ChangeLog log;
  log.Attach(Editor());
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), "15");
  EXPECT_EQ(log.calls, 0);
}

TEST_P(EditControlContract, EveryChangeButTheProgramsAndACutIsAUserEdit) {
  struct Step {
    const char* name;
    std::function<void(EditControl&)> act;
    bool userEdit;
  };
  const std::vector<Step> steps = {
      {"typing", [](EditControl& e) { e.DeliverChar('7'); }, true},
      {"Backspace", [](EditControl& e) { e.DeliverChar(kBackspace); }, true},
      {"paste", [](EditControl& e) { e.PasteFromClipboard(); }, true},
      {"undo", [](EditControl& e) { e.Undo(); }, true},
      {"cut", [](EditControl& e) { e.CutToClipboard(); }, false},
      {"replacing the selection", [](EditControl& e) { e.ReplaceSelection("9"); }, false},
      {"replacing the text", [](EditControl& e) { e.SetText("42"); }, false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    Prepare("15", 1, 1);
    FocusEditor();
    Editor().DeliverChar('3');  // something to undo
    Editor().SetSelection(0, 1);
    SharedClipboard().SetText("8");
    int edits = 0;
    Editor().OnUserEdit = [&edits] { ++edits; };
    step.act(Editor());
    EXPECT_EQ(edits, step.userEdit && !ReadOnly() ? 1 : 0);
    Editor().OnUserEdit = nullptr;
  }
}

TEST_P(EditControlContract, ChangeHandlerRunsNestedWhenItChangesTheTextAgain) {
  Prepare("12", 2);
  FocusEditor();
  int depth = 0;
  int deepest = 0;
  // Cuts back to digits one Backspace at a time, as the X value editor does.
  Editor().OnChange = [&] {
    ++depth;
    deepest = std::max(deepest, depth);
    const std::string text = Editor().Text();
    if (!text.empty() && (text.back() < '0' || text.back() > '9')) {
      Editor().DeliverChar(kBackspace);
    }
    --depth;
  };
  SharedClipboard().SetText("abc");
  Editor().PasteFromClipboard();
  EXPECT_EQ(Editor().Text(), "12");
  EXPECT_EQ(deepest, ReadOnly() ? 0 : 4);
}

TEST_P(EditControlContract, CopyPutsTheSelectionOnTheClipboardAndKeepsTheText) {
  SharedClipboard().SetText("before");
  Prepare("12345", 0, 0);
  Editor().CopyToClipboard();
  EXPECT_EQ(SharedClipboard().Text(), "before") << "nothing selected, nothing copied";
  Editor().SetSelection(1, 3);
  Editor().CopyToClipboard();
  EXPECT_EQ(SharedClipboard().Text(), "234");
  EXPECT_EQ(Editor().Text(), "12345");
  EXPECT_EQ(Editor().SelText(), "234");
}

TEST_P(EditControlContract, CutMovesTheSelectionToTheClipboardAsAnUndoableEdit) {
  SharedClipboard().SetText("before");
  Prepare("12345", 1, 3);
  FocusEditor();
  Editor().CutToClipboard();
  if (ReadOnly()) {
    EXPECT_EQ(Editor().Text(), "12345");
    EXPECT_EQ(SharedClipboard().Text(), "before");
    return;
  }
  EXPECT_EQ(Editor().Text(), "15");
  EXPECT_EQ(Editor().SelStart(), 1);
  EXPECT_EQ(SharedClipboard().Text(), "234");
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), "12345");
}

TEST_P(EditControlContract, PasteReplacesTheSelectionAsAnUndoableEdit) {
  SharedClipboard().SetText("7");
  Prepare("15", 1);
  FocusEditor();
  Editor().PasteFromClipboard();
  if (ReadOnly()) {
    EXPECT_EQ(Editor().Text(), "15");
    return;
  }
  EXPECT_EQ(Editor().Text(), "175");
  EXPECT_EQ(Editor().SelStart(), 2);
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), "15");
  Editor().Undo();
  EXPECT_EQ(Editor().Text(), "175");
}

TEST_P(EditControlContract, PasteOfAnEmptyClipboardInsertsNothing) {
  SharedClipboard().SetText("");
  Prepare("15", 1);
  FocusEditor();
  Editor().PasteFromClipboard();
  EXPECT_EQ(Editor().Text(), "15");
  EXPECT_EQ(Editor().SelStart(), 1);
}

TEST_P(EditControlContract, LineBreaksCountAsTwoAndSurvivePasting) {
  if (!MultiLine()) GTEST_SKIP() << "one-line control";
  Prepare("a\r\nb", 1, 2);
  EXPECT_EQ(Editor().Text().size(), 4u);
  EXPECT_EQ(Editor().SelText(), "\r\n");
  Editor().SetSelStart(3);
  Editor().ReplaceSelection("7");
  EXPECT_EQ(Editor().Text(), "a\r\n7b");
  EXPECT_EQ(Editor().SelStart(), 4);
  SharedClipboard().SetText("1\r\n2");
  FocusEditor();
  Editor().PasteFromClipboard();
  EXPECT_EQ(Editor().Text(), "a\r\n71\r\n2b");
  EXPECT_EQ(Editor().SelStart(), 8);
}

}  // namespace vantorel::editing::contract
