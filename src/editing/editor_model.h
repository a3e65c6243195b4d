#pragma once
// An edit control on plain state: the editors of the window without a window, for the
// commands' tests and for anything else that needs an editor without widgets.

#include <optional>
#include <string>
#include <string_view>

#include "clipboard.h"
#include "edit_control.h"

namespace vantorel::editing {

class EditorModel;

// The controls of one window that can hold the keyboard focus. At most one holds it;
// a control that loses it to another control of the group gets its OnExit.
class FocusGroup {
 public:
  // Gives the focus to `editor`, or to a control that is no editor (nullptr), such as
  // a radio group that takes the focus when clicked.
  void Focus(EditorModel* editor);
  void FocusElsewhere() { Focus(nullptr); }
  EditorModel* Focused() const { return focused_; }
  bool ElsewhereHasFocus() const { return focused_ == nullptr; }

 private:
  EditorModel* focused_ = nullptr;
};

enum class EditorKind {
  SingleLine,  // a line break is an ordinary character and typing one does nothing
  MultiLine,   // a line break is "\r\n"; every line break put in is written that way
  ReadOnly,    // one line; takes the focus and a selection, but the user cannot edit
};

class EditorModel : public EditControl {
 public:
  EditorModel(FocusGroup& focus, Clipboard& clipboard, EditorKind kind);

  bool HasFocus() const override;
  void SetFocus() override;

  std::string Text() const override { return text_; }
  int SelStart() const override { return selStart_; }
  int SelLength() const override { return selLength_; }
  std::string SelText() const override;

  void ReplaceSelection(std::string_view text) override;
  void SetText(std::string_view text) override;
  void SetSelStart(int position) override;
  void SetSelection(int start, int length) override;
  void SelectAll() override;

  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void Undo() override;
  void DeliverChar(char key) override;

  bool CanUndo() const { return undo_.has_value(); }
  EditorKind Kind() const { return kind_; }

 private:
  struct State {
    std::string text;
    int selStart = 0;
    int selLength = 0;
  };

  State Current() const { return {text_, selStart_, selLength_}; }
  // Puts `next` in place; a user's change keeps the state before it as the one undo step.
  void Apply(const State& next, ChangeSource source);
  State Replaced(std::string_view inserted) const;
  void Backspace();
  void Type(char key);
  std::string Incoming(std::string_view text) const;
  int Snapped(int position) const;
  bool Editable() const { return kind_ != EditorKind::ReadOnly; }

  FocusGroup& focus_;
  Clipboard& clipboard_;
  EditorKind kind_;
  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  std::optional<State> undo_;
};

}  // namespace vantorel::editing
