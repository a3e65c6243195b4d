#pragma once
// Where the X value editor's change check stops cutting a text back: Backspaces in front
// of the caret, the first one taking the selection, until the text reads as a number or
// is empty, "+" or "-", or the caret has reached the start. Worked out in one pass over
// the text, however long, instead of one reading of the whole text per Backspace.

#include <string_view>

namespace vantorel::editing {

// The first character the chain of Backspaces leaves in place: the text becomes
// text[0, result) followed by text[selStart + selLength, end). `selStart` and
// `selLength` lie within the text. With selLength 0, a selStart above 0 removes at least
// the character in front of the caret.
int CutBackStart(std::string_view text, int selStart, int selLength, char decimalSeparator);

// Whether the check leaves `text` as it is: empty, "+", "-" or a number.
bool ReadsAsNumberOrIsTypedThrough(std::string_view text, char decimalSeparator);

}  // namespace vantorel::editing
