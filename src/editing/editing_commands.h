#pragma once
// The editing commands of the main window over its three editors: keypad insertion,
// focus bookkeeping, the sign toggle, number entry in the X value editor, clipboard
// and undo. Each command acts on the editor that has the focus and does nothing at all
// (the result included) when no editor of its kind has it.

#include <functional>
#include <string_view>

#include "edit_control.h"
#include "keypad_table.h"

namespace vantorel::editing {

class EditingCommands {
 public:
  // Read at every use: the regional settings may change while the window is open.
  using SeparatorSource = std::function<char()>;

  // Binds the editors' OnKeyPress, OnChange and OnExit to the handlers below, and their
  // OnUserEdit to clearing the result. The editors must outlive this object.
  EditingCommands(EditControl& expression, EditControl& xValue, EditControl& result,
                  SeparatorSource decimalSeparator);
  EditingCommands(const EditingCommands&) = delete;
  EditingCommands& operator=(const EditingCommands&) = delete;

  // Keypad insertion.
  void InsertIntoExpression(std::string_view text);
  void InsertIntoFocusedEditor(std::string_view text);
  // A click on an insertion key, by the key's rule.
  void PressKey(const KeypadKey& key);
  // A click on the key named `name`: any insertion key, "±", Undo, Copy, Paste, Clear
  // or Cut. False for a key whose command lives elsewhere (Compute, Constants).
  bool ClickKey(std::string_view name);

  // Focus bookkeeping.
  void RememberEditor(EditControl& editor);
  void RefocusLastEditor();
  EditControl* LastEditor() const { return lastEditor_; }
  // After the Mode group took the focus: clears the result, then gives the focus back.
  void ModeGroupClick();

  // Event handlers, bound by the constructor.
  void Editory1KeyPress(char& key);
  void EditXValueKeyPress(char& key);
  void EditXValueChange();
  void Editory1Exit() { RememberEditor(expression_); }
  void EditXValueExit() { RememberEditor(xValue_); }
  void EditYValueExit() { RememberEditor(result_); }

  // Numbers.
  void ToggleSign();
  void PlusminusbtnClick() { ToggleSign(); }
  void NrptbtnClick();
  // The number test of the X value editor and of Compute.
  bool IsNumber(std::string_view text) const;

  // Clipboard and undo.
  void CopybtnClick();
  void PastebtnClick();
  void CutToClipboardbtnClick();
  void ClearSelectionbtnClick();
  void UndobtnClick();

 private:
  // The expression editor if it has the focus, else the X value editor if it has it.
  EditControl* FocusedNumberEditor() const;
  void ClearResult();

  EditControl& expression_;
  EditControl& xValue_;
  EditControl& result_;
  SeparatorSource separator_;
  EditControl* lastEditor_ = nullptr;
};

}  // namespace vantorel::editing
