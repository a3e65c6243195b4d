#include "ui/line_edit_control.h"

#include <QLineEdit>
#include <QPalette>
#include <algorithm>
#include <limits>

namespace vantorel::ui {
namespace {

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The selection is drawn in the same colours whether or not the window is active.
void KeepSelectionColours(QLineEdit& edit) {
  QPalette palette = edit.palette();
  for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  }
  edit.setPalette(palette);
}

}  // namespace

LineEditControl::LineEditControl(QLineEdit& edit, editing::Clipboard& clipboard,
                                 bool readOnly)
    : WidgetEditControl(edit, clipboard, readOnly ? Kind::ReadOnly : Kind::SingleLine),
      edit_(edit) {
  edit_.setReadOnly(readOnly);
  edit_.setMaxLength(std::numeric_limits<int>::max());
  edit_.setDragEnabled(false);
  KeepSelectionColours(edit_);
  connect(&edit_, &QLineEdit::textChanged, this, [this] { WidgetTextChanged(); });
}

std::string LineEditControl::WidgetText() const { return edit_.text().toLatin1().toStdString(); }

int LineEditControl::WidgetSelStart() const {
  return edit_.hasSelectedText() ? edit_.selectionStart() : edit_.cursorPosition();
}

int LineEditControl::WidgetSelLength() const {
  return edit_.hasSelectedText() ? static_cast<int>(edit_.selectedText().size()) : 0;
}

void LineEditControl::WidgetSetSelection(int from, int to) {
  if (to > from) {
    edit_.setSelection(from, to - from);
  } else {
    edit_.setCursorPosition(from);
  }
}

void LineEditControl::WriteRange(int start, int length, const std::string& text) {
  QString now = edit_.text();
  now.replace(start, length, Latin1(text));
  edit_.setText(now);
}

}  // namespace vantorel::ui
