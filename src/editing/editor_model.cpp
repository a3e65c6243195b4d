#include "editor_model.h"

#include <algorithm>

#include "editor_text.h"

namespace vantorel::editing {

namespace {

constexpr char kBackspace = 8;

}  // namespace

void FocusGroup::Focus(EditorModel* editor) {
  if (editor == focused_) return;
  EditorModel* losing = focused_;
  focused_ = editor;
  if (losing && losing->OnExit) losing->OnExit();
}

EditorModel::EditorModel(FocusGroup& focus, Clipboard& clipboard, EditorKind kind)
    : focus_(focus), clipboard_(clipboard), kind_(kind) {}

bool EditorModel::HasFocus() const { return focus_.Focused() == this; }

void EditorModel::SetFocus() { focus_.Focus(this); }

std::string EditorModel::SelText() const { return text_.substr(selStart_, selLength_); }

void EditorModel::ReplaceSelection(std::string_view text) {
  Apply(Replaced(Incoming(text)), ChangeSource::Program);
}

void EditorModel::SetText(std::string_view text) {
  Apply({Incoming(text), 0, 0}, ChangeSource::Program);
}

void EditorModel::SetSelStart(int position) {
  selStart_ = Snapped(position);
  selLength_ = 0;
}

void EditorModel::SetSelection(int start, int length) {
  selStart_ = Snapped(start);
  selLength_ = Snapped(selStart_ + std::max(length, 0)) - selStart_;
}

void EditorModel::SelectAll() {
  selStart_ = 0;
  selLength_ = static_cast<int>(text_.size());
}

void EditorModel::CopyToClipboard() {
  if (selLength_ > 0) clipboard_.SetText(SelText());
}

void EditorModel::CutToClipboard() {
  if (!Editable() || selLength_ == 0) return;
  clipboard_.SetText(SelText());
  Apply(Replaced(""), ChangeSource::Cut);
}

void EditorModel::PasteFromClipboard() {
  if (!Editable()) return;
  std::string pasted = clipboard_.Text();
  // A one-line control takes the first line of a longer text.
  if (kind_ != EditorKind::MultiLine) {
    pasted = pasted.substr(0, pasted.find_first_of("\r\n"));
  }
  if (pasted.empty()) return;
  Apply(Replaced(Incoming(pasted)), ChangeSource::User);
}

void EditorModel::Undo() {
  if (!Editable() || !undo_) return;
  const State previous = *undo_;
  Apply(previous, ChangeSource::User);  // the undo is itself the one step to undo
}

void EditorModel::DeliverChar(char key) {
  if (OnKeyPress) OnKeyPress(key);
  if (key == 0 || !Editable()) return;
  if (key == kBackspace) {
    Backspace();
  } else {
    Type(key);
  }
}

void EditorModel::Apply(const State& next, ChangeSource source) {
  const bool changed = next.text != text_;
  if (source != ChangeSource::Program) {
    undo_ = Current();
  } else {
    undo_.reset();
  }
  text_ = next.text;
  selStart_ = next.selStart;
  selLength_ = next.selLength;
  if (!changed) return;
  // The handler may change the text again; it runs nested, before this returns.
  if (OnChange) OnChange();
  if (source == ChangeSource::User && OnUserEdit) OnUserEdit();
}

EditorModel::State EditorModel::Replaced(std::string_view inserted) const {
  std::string text = text_;
  text.replace(selStart_, selLength_, inserted);
  return {std::move(text), selStart_ + static_cast<int>(inserted.size()), 0};
}

void EditorModel::Backspace() {
  if (selLength_ > 0) {
    Apply(Replaced(""), ChangeSource::User);
    return;
  }
  if (selStart_ == 0) return;
  const bool afterLineBreak = kind_ == EditorKind::MultiLine && selStart_ >= 2 &&
                              text_.compare(selStart_ - 2, 2, "\r\n") == 0;
  const int width = afterLineBreak ? 2 : 1;
  std::string text = text_;
  text.erase(selStart_ - width, width);
  Apply({std::move(text), selStart_ - width, 0}, ChangeSource::User);
}

void EditorModel::Type(char key) {
  if (IsLineBreak(key)) {
    if (kind_ == EditorKind::MultiLine) Apply(Replaced("\r\n"), ChangeSource::User);
  } else if (IsTypedText(key)) {
    Apply(Replaced(std::string(1, key)), ChangeSource::User);
  }
}

std::string EditorModel::Incoming(std::string_view text) const {
  return kind_ == EditorKind::MultiLine ? WithCrLf(text) : std::string(text);
}

// A position inside the text; never between the two characters of a line break.
int EditorModel::Snapped(int position) const {
  const int size = static_cast<int>(text_.size());
  position = std::clamp(position, 0, size);
  if (position > 0 && position < size && text_[position - 1] == '\r' &&
      text_[position] == '\n') {
    ++position;
  }
  return position;
}

}  // namespace vantorel::editing
