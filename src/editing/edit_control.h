#pragma once
// What the editing commands rely on in an edit control, and nothing more. The window
// implements it on real widgets; EditorModel implements it on plain state for tests.

#include <functional>
#include <string>
#include <string_view>

namespace vantorel::editing {

// Who changed an editor's text: the program's own replacement (which leaves nothing to
// undo), an edit of the user's, or the user's cut, which alone keeps the result standing.
enum class ChangeSource { Program, User, Cut };

class EditControl {
 public:
  virtual ~EditControl() = default;

  // At most one control of a window has the focus.
  virtual bool HasFocus() const = 0;
  virtual void SetFocus() = 0;

  // Single-byte text; in a multi-line control a line break is "\r\n" and counts as two.
  virtual std::string Text() const = 0;
  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  virtual std::string SelText() const = 0;

  // The text takes the selection's place; the caret ends behind it, nothing selected,
  // and nothing is left to undo.
  virtual void ReplaceSelection(std::string_view text) = 0;
  // Caret at 0, nothing selected, nothing to undo; OnChange runs before this returns.
  virtual void SetText(std::string_view text) = 0;
  // Moves the caret and empties the selection.
  virtual void SetSelStart(int position) = 0;
  // For tests and for Copy: selects `length` characters from `start`.
  virtual void SetSelection(int start, int length) = 0;
  virtual void SelectAll() = 0;

  // Plain text through the clipboard; cut and paste are undoable edits.
  virtual void CopyToClipboard() = 0;
  virtual void CutToClipboard() = 0;
  virtual void PasteFromClipboard() = 0;
  // One level; an undo is itself undoable, so a second undo puts the change back.
  virtual void Undo() = 0;

  // As if typed: OnKeyPress sees the character first and may change or discard it
  // (set it to 0). Backspace (8) deletes the selection or the character before the
  // caret (a line break as a whole), nothing at 0. Other characters replace the
  // selection as an undoable edit.
  virtual void DeliverChar(char key) = 0;

  void Clear() { SetText(""); }

  // Events. OnChange runs after every change of the text, before the changing
  // operation returns, nested when a handler changes the text again.
  std::function<void(char& key)> OnKeyPress;
  std::function<void()> OnChange;
  std::function<void()> OnExit;  // the focus passed to another control of the window
  // Runs after OnChange for every change the user makes in the control itself (typing,
  // deleting, pasting by key, mouse or menu, dropping, undoing), except a cut; never for
  // the program's ReplaceSelection and SetText.
  std::function<void()> OnUserEdit;
};

}  // namespace vantorel::editing
