#pragma once
// What a key press means to an edit control: the character it types, as the key
// handler sees it, and the editing command it stands for.

#include <QtGlobal>
#include <optional>

class QKeyEvent;
class QString;

namespace vantorel::ui {

struct TypedKey {
  char code;    // the single-byte character; "?" when it has none
  bool single;  // false for text beyond the single-byte range or more than one character
};

// Where `text` has its first character that the editors cannot hold, or -1: the editors
// keep Latin-1 (ISO 8859-1), the code page of the settings file and the report, so "€",
// "Ω" or an emoji would turn into "?" at the next rewrite.
qsizetype FirstBeyondSingleByte(const QString& text);

// The character a key types: printable text, Backspace (8), Enter (13; with Ctrl a
// line feed, 10), Escape (27) and Ctrl with a letter (the control codes 1 to 26).
// Nothing for keys that type no character: Tab, Delete, the arrows, Alt combinations.
std::optional<TypedKey> TypedKeyOf(const QKeyEvent& event);

enum class EditCommand { None, Undo, Cut, Paste };

// The clipboard and undo commands by their standard keys. Redo is Undo again: with one
// level of undo, undoing the undo puts the change back.
EditCommand EditCommandOf(const QKeyEvent& event);

}  // namespace vantorel::ui
