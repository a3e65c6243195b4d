#pragma once
// The multi-line editor: a QPlainTextEdit whose line breaks read as "\r\n".

#include "ui/widget_edit_control.h"

class QPlainTextEdit;

namespace vantorel::ui {

class PlainTextEditControl final : public WidgetEditControl {
 public:
  // Switches off the widget's own undo history and makes Tab move the focus.
  PlainTextEditControl(QPlainTextEdit& edit, editing::Clipboard& clipboard);

  std::string Text() const override;
  int SelStart() const override;
  int SelLength() const override;
  void SetSelection(int start, int length) override;

 protected:
  void WriteRange(int start, int length, const std::string& text) override;
  void WriteAll(const std::string& text) override;

 private:
  // Between the document's positions, where a line break is one character, and the
  // control's, where it is two.
  int ToExternal(int position) const;
  int ToInternal(int position) const;

  QPlainTextEdit& edit_;
};

}  // namespace vantorel::ui
