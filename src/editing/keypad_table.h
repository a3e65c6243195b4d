#pragma once
// The keys of the keypad and of the constants panel as data: what each inserts, by
// which rule, its hint, its click handler and its place. The window builds its keys
// and hints from these rows.

#include <span>
#include <string>
#include <string_view>

namespace vantorel::editing {

enum class KeyBlock {
  Numbers,    // number and operator block of the group box "Buttons"
  Functions,  // function block of the group box "Buttons"
  Constants,  // constants panel, inside its scroll box
};

enum class InsertionRule {
  None,            // not an insertion key
  ExpressionOnly,  // only into the expression editor
  ExpressionOrX,   // into the expression editor, else into the X value editor
};

enum class KeyKind {
  Digit, DecimalPoint, Exponent, Operator, Parenthesis, Variable,
  Function,  // a function template such as "sin(x)"
  Constant,  // a constant's name such as "PiOn2"
  Command,   // not an insertion key: sign toggle, clipboard, undo, Compute, Constants
};

struct KeyPlace {
  KeyBlock block;
  int x;           // left edge, pixels, inside the group box or the scroll box
  int y;           // top edge, likewise
  int width;
  int height;      // 25 for every key
  int fontPixels;  // caption font height in pixels; 0 means the window's font
};

struct KeypadKey {
  std::string_view name;      // control name, "Nr7btn"
  std::string_view caption;   // "7"; the "." key shows the current separator instead
  KeyKind kind;
  InsertionRule rule;
  std::string_view inserts;   // the inserted text; empty for the decimal point key
  std::string_view tooltip;   // short part of the hint
  std::string_view status;    // long part of the hint, shown in the status bar
  std::string_view handler;   // click handler, where it is not name + "Click"
  KeyPlace place;
};

// The 108 insertion keys: number block row by row, function block column by column,
// then the constants panel row by row.
std::span<const KeypadKey> InsertionKeys();
// The keys that carry a hint but insert nothing: "±", Undo, Copy, Paste, Clear, Cut,
// Compute, Constants.
std::span<const KeypadKey> CommandKeys();

// Either kind of key by its control name.
const KeypadKey* FindKey(std::string_view name);

// True for the decimal point key, which inserts the separator in force at the click.
inline bool InsertsSeparator(const KeypadKey& key) { return key.kind == KeyKind::DecimalPoint; }

// "Nr7btnClick", or the handler named in the row.
std::string ClickHandler(const KeypadKey& key);
// Short part, "|", long part.
std::string Hint(const KeypadKey& key);

}  // namespace vantorel::editing
