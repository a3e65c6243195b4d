#pragma once
// The multi-line editor: a QPlainTextEdit whose line breaks read as "\r\n".

#include <functional>

#include "ui/widget_edit_control.h"

class QPlainTextEdit;

namespace vantorel::ui {

class PlainTextEditControl final : public WidgetEditControl {
 public:
  // Switches off the widget's own undo history and makes Tab move the focus.
  PlainTextEditControl(QPlainTextEdit& edit, editing::Clipboard& clipboard);


 protected:
  std::string WidgetText() const override;
  int WidgetSelStart() const override;
  int WidgetSelLength() const override;
  void WidgetSetSelection(int from, int to) override;
  void WriteRange(int start, int length, const std::string& text) override;
  void BeforeWidgetInserts(const QString& text) override;

 private:
  // Between the document's positions, where a line break is one character, and the
  // control's, where it is two.
  int ToExternal(int position) const;
  int ToInternal(int position) const;
  // Runs `write`, which puts in a text with or without a long run of characters
  // without a blank, with lines breaking where that text needs them to.
  void Write(bool longRun, const std::function<void()>& write);
  void BreakAnywhere(bool anywhere);

  QPlainTextEdit& edit_;
};

}  // namespace vantorel::ui
