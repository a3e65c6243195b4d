#include <memory>

#include <gtest/gtest.h>

#include "edit_control_contract.h"
#include "editing/editor_model.h"

namespace vantorel::editing {
namespace {

using contract::ContractHarness;
using contract::ContractTarget;
using contract::EditControlContract;

struct ModelHarness : ContractHarness {
  explicit ModelHarness(EditorKind kind)
      : editor(focus, clipboard, kind), other(focus, clipboard, EditorKind::SingleLine) {
    multiLine = kind == EditorKind::MultiLine;
    readOnly = kind == EditorKind::ReadOnly;
  }
  EditControl& Editor() override { return editor; }
  EditControl& Other() override { return other; }
  Clipboard& SharedClipboard() override { return clipboard; }

  FocusGroup focus;
  MemoryClipboard clipboard;
  EditorModel editor;
  EditorModel other;
};

ContractTarget Target(const char* name, EditorKind kind) {
  return {name, [kind] { return std::make_unique<ModelHarness>(kind); }};
}

INSTANTIATE_TEST_SUITE_P(Model, EditControlContract,
                         ::testing::Values(Target("MultiLine", EditorKind::MultiLine),
                                           Target("SingleLine", EditorKind::SingleLine),
                                           Target("ReadOnly", EditorKind::ReadOnly)),
                         contract::ContractTargetName);

// What the model adds to the contract: the focus can rest on a control that is no
// editor, and line breaks put into a multi-line model are always written "\r\n".
TEST(FocusGroup, FocusMovingToAControlThatIsNoEditorEndsTheEditorsFocus) {
  FocusGroup focus;
  MemoryClipboard clipboard;
  EditorModel editor(focus, clipboard, EditorKind::SingleLine);
  int exits = 0;
  editor.OnExit = [&exits] { ++exits; };
  EXPECT_TRUE(focus.ElsewhereHasFocus());
  focus.FocusElsewhere();
  EXPECT_EQ(exits, 0);
  editor.SetFocus();
  focus.FocusElsewhere();
  EXPECT_FALSE(editor.HasFocus());
  EXPECT_EQ(exits, 1);
}

TEST(EditorModel, MultiLineWritesEveryLineBreakAsCrLf) {
  FocusGroup focus;
  MemoryClipboard clipboard;
  EditorModel editor(focus, clipboard, EditorKind::MultiLine);
  editor.SetText("a\nb\rc\r\nd");
  EXPECT_EQ(editor.Text(), "a\r\nb\r\nc\r\nd");
  editor.SetSelStart(2);  // between CR and LF: the caret goes behind the line break
  EXPECT_EQ(editor.SelStart(), 3);
  editor.DeliverChar('\n');
  EXPECT_EQ(editor.Text(), "a\r\n\r\nb\r\nc\r\nd");
}

TEST(EditorModel, SingleLineTakesTheFirstLineOfAPastedTextAndIgnoresTypedLineBreaks) {
  FocusGroup focus;
  MemoryClipboard clipboard;
  EditorModel editor(focus, clipboard, EditorKind::SingleLine);
  clipboard.SetText("12\r\n34");
  editor.PasteFromClipboard();
  editor.DeliverChar('\r');
  editor.DeliverChar('\n');
  EXPECT_EQ(editor.Text(), "12");
}

}  // namespace
}  // namespace vantorel::editing
