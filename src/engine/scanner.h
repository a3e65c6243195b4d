#pragma once
// Reading a formula's characters: blanks, numbers and names.

#include <cstddef>
#include <string_view>

namespace vantorel {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// Only the ASCII letters; the result must not depend on the program's locale.
inline bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class Scanner {
 public:
  Scanner(std::string_view text, char decimalSeparator)
      : text_(text), separator_(decimalSeparator) {}

  bool AtEnd() const { return next_ >= text_.size(); }
  // The next character, or '\0' at the end of the text.
  char Peek() const { return AtEnd() ? '\0' : text_[next_]; }
  // The next character with all its bytes when it is written in UTF-8, else one byte.
  std::string_view PeekCharacter() const;
  char PeekAfter() const { return next_ + 1 < text_.size() ? text_[next_ + 1] : '\0'; }
  // 1-based position of the next character.
  std::size_t Position() const { return next_ + 1; }
  void Advance() { ++next_; }
  // blanks := { " " | tab }
  void SkipBlanks() {
    while (next_ < text_.size() && IsBlank(text_[next_])) ++next_;
  }

  std::string_view ReadNumber();
  std::string_view ReadName();

 private:
  bool DigitAt(std::size_t i) const { return i < text_.size() && IsDigit(text_[i]); }
  void SkipDigits();

  std::string_view text_;
  char separator_;
  std::size_t next_ = 0;
};

}  // namespace vantorel
