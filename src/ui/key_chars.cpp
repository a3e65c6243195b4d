#include "ui/key_chars.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>

namespace vantorel::ui {
namespace {

std::optional<TypedKey> Single(char code) { return TypedKey{code, true}; }

std::optional<TypedKey> FromText(const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  const char16_t first = text.front().unicode();
  if (first < 32 || first == 127) return std::nullopt;
  if (text.size() == 1 && first <= 0xFF) return Single(static_cast<char>(first));
  return TypedKey{'?', false};
}

}  // namespace

qsizetype FirstBeyondSingleByte(const QString& text) {
  const auto found =
      std::find_if(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
  return found == text.end() ? -1 : found - text.begin();
}

std::optional<TypedKey> TypedKeyOf(const QKeyEvent& event) {
  const bool ctrl = event.modifiers() & Qt::ControlModifier;
  const bool alt = event.modifiers() & Qt::AltModifier;
  const int key = event.key();
  switch (key) {
    case Qt::Key_Backspace:
      return ctrl || alt ? std::nullopt : Single(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (alt) return std::nullopt;
      return Single(ctrl ? 10 : 13);
    case Qt::Key_Escape:
      return Single(27);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return std::nullopt;
    default:
      break;
  }
  if (ctrl && !alt) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return Single(static_cast<char>(key - Qt::Key_A + 1));
    return std::nullopt;
  }
  if (alt && !ctrl) return std::nullopt;  // menu keys, never text
  return FromText(event.text());
}

EditCommand EditCommandOf(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo)) {
    return EditCommand::Undo;
  }
  if (event.matches(QKeySequence::Cut)) return EditCommand::Cut;
  if (event.matches(QKeySequence::Paste)) return EditCommand::Paste;
  return EditCommand::None;
}

}  // namespace vantorel::ui
