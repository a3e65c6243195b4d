#pragma once
// A small shown and active window with the three kinds of editor and a second line
// edit that can take the focus, for tests of the editors on real widgets.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <memory>

#include "ui/line_edit_control.h"
#include "ui/plain_text_edit_control.h"
#include "ui/qt_clipboard.h"

namespace vantorel::ui::testing {

enum class EditorKind { Expression, XValue, Result };

class EditorWindow {
 public:
  explicit EditorWindow(EditorKind kind);

  WidgetEditControl& Editor() { return *editor_; }
  LineEditControl& Other() { return *other_; }
  QWidget& EditorWidget() { return *editorWidget_; }
  QLineEdit& OtherWidget() { return *otherWidget_; }
  QWidget& Window() { return window_; }
  editing::Clipboard& Clipboard() { return clipboard_; }
  // Delivers what the toolkit has queued.
  static void Settle();

 private:
  QWidget window_;
  QWidget* editorWidget_ = nullptr;
  QLineEdit* otherWidget_ = nullptr;
  QtClipboard clipboard_;
  std::unique_ptr<WidgetEditControl> editor_;
  std::unique_ptr<LineEditControl> other_;
};

}  // namespace vantorel::ui::testing
