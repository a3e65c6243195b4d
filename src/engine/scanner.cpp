#include "engine/scanner.h"

namespace vantorel {

void Scanner::SkipDigits() {
  while (DigitAt(next_)) ++next_;
}

std::string_view Scanner::PeekCharacter() const {
  auto lead = static_cast<unsigned char>(Peek());
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
  if (lead >= 0xF5 || next_ + length > text_.size()) length = 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text_[next_ + i]) & 0xC0) != 0x80) length = 1;
  }
  return text_.substr(next_, AtEnd() ? 0 : length);
}

// number := digit { digit } [ separator digit { digit } ]
//           [ ( "E" | "e" ) [ "+" | "-" ] digit { digit } ]
// The separator and the exponent belong to the number only when digits follow them
// directly; otherwise the number ends before them. Starts at a digit.
std::string_view Scanner::ReadNumber() {
  std::size_t start = next_;
  SkipDigits();
  if (next_ < text_.size() && text_[next_] == separator_ && DigitAt(next_ + 1)) {
    ++next_;
    SkipDigits();
  }
  if (next_ < text_.size() && (text_[next_] == 'E' || text_[next_] == 'e')) {
    std::size_t digits = next_ + 1;
    if (digits < text_.size() && (text_[digits] == '+' || text_[digits] == '-')) ++digits;
    if (DigitAt(digits)) {
      next_ = digits;
      SkipDigits();
    }
  }
  return text_.substr(start, next_ - start);
}

// name := letter { letter | digit }, read as far as the letters and digits go.
// Starts at a letter.
std::string_view Scanner::ReadName() {
  std::size_t start = next_;
  while (!AtEnd() && (IsLetter(text_[next_]) || IsDigit(text_[next_]))) ++next_;
  return text_.substr(start, next_ - start);
}

}  // namespace vantorel
