#include "sign_toggle.h"

namespace vantorel::editing {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumberChar(char c, char separator) { return IsDigit(c) || c == separator; }

// Line breaks are no gaps: a sign at the end of the line above belongs to that line.
bool IsGap(char c) { return c == ' ' || c == '\t'; }

}  // namespace

char InverseOf(char sign) {
  if (sign == '+') return '-';
  if (sign == '-') return '+';
  throw FailedAssertion("Unexpected input to InverseOf");
}

bool IsSign(char c) { return c == '+' || c == '-'; }

std::optional<ToggledText> ToggleSignAt(std::string_view text, int caret, char separator) {
  const int n = static_cast<int>(text.size());
  if (caret < 0 || caret >= n) return std::nullopt;
  // The character behind the caret belongs to the run when it is a number character;
  // otherwise the run starts right behind it.
  int start = caret + 1;
  while (start > 0 && IsNumberChar(text[start - 1], separator)) --start;
  if (start == n || !IsDigit(text[start])) return std::nullopt;
  int signAt = start;
  while (signAt > 0 && IsGap(text[signAt - 1])) --signAt;
  --signAt;

  ToggledText toggled{std::string(text), caret};
  if (signAt >= 0 && IsSign(text[signAt])) {
    toggled.text[signAt] = InverseOf(text[signAt]);
  } else {
    toggled.text.insert(toggled.text.begin() + start, '-');
    toggled.caret = caret + 1;
  }
  return toggled;
}

}  // namespace vantorel::editing
