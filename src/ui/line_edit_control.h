#pragma once
// The one-line editors: a QLineEdit, editable (the X value editor) or read-only (the
// result editor, which still takes the focus and a selection).

#include "ui/widget_edit_control.h"

class QLineEdit;

namespace vantorel::ui {

class LineEditControl final : public WidgetEditControl {
 public:
  // `readOnly` makes the widget read-only for the user. Either way the selection stays
  // visible while another control, or another program, has the focus.
  LineEditControl(QLineEdit& edit, editing::Clipboard& clipboard, bool readOnly);


 protected:
  std::string WidgetText() const override;
  int WidgetSelStart() const override;
  int WidgetSelLength() const override;
  void WidgetSetSelection(int from, int to) override;
  void WriteRange(int start, int length, const std::string& text) override;

 private:
  QLineEdit& edit_;
};

}  // namespace vantorel::ui
