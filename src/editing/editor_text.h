#pragma once
// Small rules about editor text shared by every implementation of EditControl.

#include <string>
#include <string_view>

namespace vantorel::editing {

inline bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// Every line break ("\r\n", a lone "\r" or a lone "\n") written as "\r\n", the way a
// multi-line control stores it.
std::string WithCrLf(std::string_view text);

// A typed character that becomes text; other control characters are commands to a
// control (Escape, Ctrl+A), never text. Line breaks and Backspace are not text either.
bool IsTypedText(char key);

}  // namespace vantorel::editing
