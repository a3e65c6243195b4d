// The commands of EditingCommands that deal with numbers as the user writes them.

#include <string>

#include "editing_commands.h"
#include "number_cut_back.h"
#include "number_syntax.h"
#include "sign_toggle.h"

namespace vantorel::editing {

namespace {

constexpr char kBackspace = 8;

}  // namespace

void EditingCommands::ToggleSign() {
  EditControl* editor = FocusedNumberEditor();
  if (!editor) return;
  const std::string selected = editor->SelText();
  if (selected.size() == 1 && IsSign(selected[0])) {
    editor->ReplaceSelection(std::string(1, InverseOf(selected[0])));
  } else if (auto toggled = ToggleSignAt(editor->Text(), editor->SelStart(), separator_())) {
    // In the X value editor the change check runs inside SetText, with the caret at 0.
    editor->SetText(toggled->text);
    editor->SetSelStart(toggled->caret);
  }
  ClearResult();
}

void EditingCommands::NrptbtnClick() { InsertIntoFocusedEditor(std::string(1, separator_())); }

// Cuts the text back as Backspaces in front of the caret would, until it reads as a
// number, is one of the states a number is typed through (empty, "+", "-"), or the
// caret has reached the start. The whole run goes with one Backspace over a selection,
// so the check nests once at most; a Backspace at the start of the text removes nothing
// and ends the chain.
void EditingCommands::EditXValueChange() {
  const std::string text = xValue_.Text();
  if (ReadsAsNumberOrIsTypedThrough(text, separator_())) return;
  const int start = xValue_.SelStart();
  const int length = xValue_.SelLength();
  if (start > 0 || length > 0) {
    const int kept = CutBackStart(text, start, length, separator_());
    xValue_.SetSelection(kept, start + length - kept);
  }
  xValue_.DeliverChar(kBackspace);
}

bool EditingCommands::IsNumber(std::string_view text) const {
  return ReadNumber(text, separator_()).has_value();
}

}  // namespace vantorel::editing
