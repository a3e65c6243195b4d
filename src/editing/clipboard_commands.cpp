// The clipboard and undo keys of EditingCommands.

#include "editing_commands.h"

namespace vantorel::editing {

namespace {

constexpr char kBackspace = 8;

}  // namespace

// The focus does not matter: the result can be copied from wherever the user is.
void EditingCommands::CopybtnClick() {
  if (result_.Text().empty()) return;
  result_.SelectAll();
  result_.CopyToClipboard();
}

void EditingCommands::PastebtnClick() {
  if (!expression_.HasFocus()) return;
  expression_.PasteFromClipboard();
  ClearResult();
}

// The only change to the formula that keeps the result.
void EditingCommands::CutToClipboardbtnClick() {
  if (!expression_.HasFocus()) return;
  expression_.CutToClipboard();
}

// The editor's own key handler clears the result.
void EditingCommands::ClearSelectionbtnClick() {
  if (EditControl* editor = FocusedNumberEditor()) editor->DeliverChar(kBackspace);
}

void EditingCommands::UndobtnClick() {
  if (!expression_.HasFocus()) return;
  expression_.Undo();
  ClearResult();
}

}  // namespace vantorel::editing
