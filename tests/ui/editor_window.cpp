#include "editor_window.h"

#include <QCoreApplication>
#include <QTest>
#include <QVBoxLayout>

namespace vantorel::ui::testing {

EditorWindow::EditorWindow(EditorKind kind) {
  auto* layout = new QVBoxLayout(&window_);
  if (kind == EditorKind::Expression) {
    auto* edit = new QPlainTextEdit(&window_);
    editor_ = std::make_unique<PlainTextEditControl>(*edit, clipboard_);
    editorWidget_ = edit;
  } else {
    auto* edit = new QLineEdit(&window_);
    editor_ = std::make_unique<LineEditControl>(*edit, clipboard_,
                                                kind == EditorKind::Result);
    editorWidget_ = edit;
  }
  otherWidget_ = new QLineEdit(&window_);
  other_ = std::make_unique<LineEditControl>(*otherWidget_, clipboard_, false);
  layout->addWidget(editorWidget_);
  layout->addWidget(otherWidget_);
  // Nothing has the focus until a test gives it.
  window_.setFocusPolicy(Qt::StrongFocus);
  window_.show();
  window_.activateWindow();
  if (!QTest::qWaitForWindowActive(&window_)) qWarning("the test window did not become active");
  window_.setFocus();
  Settle();
}

void EditorWindow::Settle() { QCoreApplication::processEvents(); }

}  // namespace vantorel::ui::testing
