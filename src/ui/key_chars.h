#pragma once
// What a key press means to an edit control: the character it types, as the key
// handler sees it, and the editing command it stands for.

#include <optional>

class QKeyEvent;

namespace vantorel::ui {

struct TypedKey {
  char code;    // the single-byte character; "?" when it has none
  bool single;  // false for text beyond the single-byte range or more than one character
};

// The character a key types: printable text, Backspace (8), Enter (13; with Ctrl a
// line feed, 10), Escape (27) and Ctrl with a letter (the control codes 1 to 26).
// Nothing for keys that type no character: Tab, Delete, the arrows, Alt combinations.
std::optional<TypedKey> TypedKeyOf(const QKeyEvent& event);

enum class EditCommand { None, Undo, Cut, Paste };

// The clipboard and undo commands by their standard keys. Redo is Undo again: with one
// level of undo, undoing the undo puts the change back.
EditCommand EditCommandOf(const QKeyEvent& event);

}  // namespace vantorel::ui
