#include "editing_commands.h"

#include <string>

namespace vantorel::editing {

namespace {

constexpr char kEnter = 13;

}  // namespace

EditingCommands::EditingCommands(EditControl& expression, EditControl& xValue,
                                 EditControl& result, SeparatorSource decimalSeparator)
    : expression_(expression),
      xValue_(xValue),
      result_(result),
      separator_(std::move(decimalSeparator)) {
  expression_.OnKeyPress = [this](char& key) { Editory1KeyPress(key); };
  expression_.OnExit = [this] { Editory1Exit(); };
  // Every change the user makes to the formula or the X value leaves the result shown
  // belonging to neither, whatever key, mouse or menu made it; a cut alone keeps it.
  expression_.OnUserEdit = [this] { ClearResult(); };
  xValue_.OnUserEdit = [this] { ClearResult(); };
  xValue_.OnKeyPress = [this](char& key) { EditXValueKeyPress(key); };
  xValue_.OnChange = [this] { EditXValueChange(); };
  xValue_.OnExit = [this] { EditXValueExit(); };
  result_.OnExit = [this] { EditYValueExit(); };
}

void EditingCommands::InsertIntoExpression(std::string_view text) {
  if (!expression_.HasFocus()) return;
  expression_.ReplaceSelection(text);
  ClearResult();
}

void EditingCommands::InsertIntoFocusedEditor(std::string_view text) {
  EditControl* editor = FocusedNumberEditor();
  if (!editor) return;
  // In the X value editor the change check has run, and may have taken the text out
  // again, before the result is cleared.
  editor->ReplaceSelection(text);
  ClearResult();
}

void EditingCommands::PressKey(const KeypadKey& key) {
  if (InsertsSeparator(key)) {
    NrptbtnClick();
  } else if (key.rule == InsertionRule::ExpressionOrX) {
    InsertIntoFocusedEditor(key.inserts);
  } else if (key.rule == InsertionRule::ExpressionOnly) {
    InsertIntoExpression(key.inserts);
  }
}

bool EditingCommands::ClickKey(std::string_view name) {
  const KeypadKey* key = FindKey(name);
  if (!key) return false;
  if (key->rule != InsertionRule::None) {
    PressKey(*key);
    return true;
  }
  using Command = void (EditingCommands::*)();
  struct Binding {
    std::string_view name;
    Command command;
  };
  static constexpr Binding kBindings[] = {
      {"Plusminusbtn", &EditingCommands::PlusminusbtnClick},
      {"Undobtn", &EditingCommands::UndobtnClick},
      {"Copybtn", &EditingCommands::CopybtnClick},
      {"Pastebtn", &EditingCommands::PastebtnClick},
      {"ClearSelectionbtn", &EditingCommands::ClearSelectionbtnClick},
      {"CutToClipboardbtn", &EditingCommands::CutToClipboardbtnClick},
  };
  for (const Binding& binding : kBindings) {
    if (binding.name == name) {
      (this->*binding.command)();
      return true;
    }
  }
  return false;
}

void EditingCommands::RememberEditor(EditControl& editor) { lastEditor_ = &editor; }

void EditingCommands::RefocusLastEditor() {
  if (lastEditor_) lastEditor_->SetFocus();
}

void EditingCommands::ModeGroupClick() {
  ClearResult();
  RefocusLastEditor();
}

// Enter never inserts a line break; line breaks come only by pasting.
void EditingCommands::Editory1KeyPress(char& key) {
  if (key == kEnter) key = 0;
  ClearResult();
}

void EditingCommands::EditXValueKeyPress(char& key) {
  if (key == kEnter) key = 0;
  ClearResult();
}

EditControl* EditingCommands::FocusedNumberEditor() const {
  if (expression_.HasFocus()) return &expression_;
  if (xValue_.HasFocus()) return &xValue_;
  return nullptr;
}

void EditingCommands::ClearResult() { result_.Clear(); }

}  // namespace vantorel::editing
