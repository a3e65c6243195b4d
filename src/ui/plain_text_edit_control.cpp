#include "ui/plain_text_edit_control.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <functional>

namespace vantorel::ui {
namespace {

// "\r\n" becomes the document's own line break.
QString ToDocumentText(const std::string& text) {
  QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return out;
}

// A run without a blank this long fills a few lines of the editor.
constexpr std::size_t kLongRun = 200;

bool HasLongRun(std::string_view text) {
  std::size_t run = 0;
  for (char c : text) {
    run = c == ' ' || c == '\t' || c == '\r' || c == '\n' ? 0 : run + 1;
    if (run > kLongRun) return true;
  }
  return false;
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
  edit_.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  connect(&edit_, &QPlainTextEdit::textChanged, this, [this] {
    // After an edit the widget made itself: Delete, a middle-click paste.
    if (!Writing()) BreakAnywhere(HasLongRun(WidgetText()));
    WidgetTextChanged();
  });
}

std::string PlainTextEditControl::WidgetText() const {
  std::string text;
  for (QTextBlock block = edit_.document()->begin(); block.isValid(); block = block.next()) {
    if (block != edit_.document()->begin()) text += "\r\n";
    text += block.text().toLatin1().toStdString();
  }
  return text;
}

int PlainTextEditControl::WidgetSelStart() const {
  return ToExternal(edit_.textCursor().selectionStart());
}

int PlainTextEditControl::WidgetSelLength() const {
  const QTextCursor cursor = edit_.textCursor();
  return ToExternal(cursor.selectionEnd()) - ToExternal(cursor.selectionStart());
}

void PlainTextEditControl::WidgetSetSelection(int from, int to) {
  QTextCursor cursor(edit_.document());
  cursor.setPosition(ToInternal(from));
  cursor.setPosition(ToInternal(to), QTextCursor::KeepAnchor);
  edit_.setTextCursor(cursor);
}

void PlainTextEditControl::WriteRange(int start, int length, const std::string& text) {
  std::string next = WidgetText();
  next.replace(start, length, text);
  Write(HasLongRun(next), [&] {
    QTextCursor cursor(edit_.document());
    cursor.setPosition(ToInternal(start));
    cursor.setPosition(ToInternal(start + length), QTextCursor::KeepAnchor);
    cursor.insertText(ToDocumentText(text));
  });
}

void PlainTextEditControl::BeforeWidgetInserts(const QString& text) {
  if (HasLongRun(text.toLatin1().toStdString())) BreakAnywhere(true);
}

// Lines break at blanks, and a run longer than a line anywhere. Laying out a run of
// thousands of characters that way takes time growing with the square of its length
// (a formula of 1 MB without a blank: most of a minute), so a text with a run longer
// than a few lines breaks anywhere throughout. Such a run looks the same either way; only
// the short words of that text may then break where they do not end. The document lays
// out at every change, so breaking anywhere comes before a text that needs it, and
// breaking at blanks only after the text that allows it is in.
void PlainTextEditControl::Write(bool longRun, const std::function<void()>& write) {
  if (longRun) BreakAnywhere(true);
  write();
  if (!longRun) BreakAnywhere(false);
}

void PlainTextEditControl::BreakAnywhere(bool anywhere) {
  const QTextOption::WrapMode mode =
      anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
  if (edit_.wordWrapMode() != mode) edit_.setWordWrapMode(mode);
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
