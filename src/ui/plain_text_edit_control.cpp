#include "ui/plain_text_edit_control.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace vantorel::ui {
namespace {

// "\r\n" becomes the document's own line break.
QString ToDocumentText(const std::string& text) {
  QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return out;
}

}  // namespace

PlainTextEditControl::PlainTextEditControl(QPlainTextEdit& edit,
                                           editing::Clipboard& clipboard)
    : WidgetEditControl(edit, clipboard, Kind::MultiLine), edit_(edit) {
  // The one-level undo record is ours; the document keeps none, so nothing of Qt's
  // many-level history can come back.
  edit_.document()->setUndoRedoEnabled(false);
  edit_.setTabChangesFocus(true);
  edit_.viewport()->setAcceptDrops(false);
  Watch(*edit_.viewport());
  connect(&edit_, &QPlainTextEdit::textChanged, this, [this] { WidgetTextChanged(); });
}

std::string PlainTextEditControl::Text() const {
  std::string text;
  for (QTextBlock block = edit_.document()->begin(); block.isValid(); block = block.next()) {
    if (block != edit_.document()->begin()) text += "\r\n";
    text += block.text().toLatin1().toStdString();
  }
  return text;
}

int PlainTextEditControl::SelStart() const {
  return ToExternal(edit_.textCursor().selectionStart());
}

int PlainTextEditControl::SelLength() const {
  const QTextCursor cursor = edit_.textCursor();
  return ToExternal(cursor.selectionEnd()) - ToExternal(cursor.selectionStart());
}

void PlainTextEditControl::SetSelection(int start, int length) {
  const int from = Snapped(start);
  const int to = Snapped(from + std::max(length, 0));
  QTextCursor cursor(edit_.document());
  cursor.setPosition(ToInternal(from));
  cursor.setPosition(ToInternal(to), QTextCursor::KeepAnchor);
  edit_.setTextCursor(cursor);
}

void PlainTextEditControl::WriteRange(int start, int length, const std::string& text) {
  QTextCursor cursor(edit_.document());
  cursor.setPosition(ToInternal(start));
  cursor.setPosition(ToInternal(start + length), QTextCursor::KeepAnchor);
  cursor.insertText(ToDocumentText(text));
}

void PlainTextEditControl::WriteAll(const std::string& text) {
  edit_.setPlainText(ToDocumentText(text));
}

int PlainTextEditControl::ToExternal(int position) const {
  return position + edit_.document()->findBlock(position).blockNumber();
}

// A position between the two characters of a line break goes behind it.
int PlainTextEditControl::ToInternal(int position) const {
  position = std::max(position, 0);
  int blockStart = 0;  // where the block begins in the control's positions
  QTextBlock block = edit_.document()->begin();
  for (; block.isValid(); block = block.next()) {
    const int length = block.length() - 1;  // without the line break
    if (position <= blockStart + length) return block.position() + position - blockStart;
    if (position < blockStart + length + 2 && block.next().isValid()) {
      return block.next().position();
    }
    blockStart += length + 2;
  }
  return edit_.document()->characterCount() - 1;
}

}  // namespace vantorel::ui
