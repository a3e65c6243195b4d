#pragma once
// The sign toggle on a text: which sign the "±" key flips, or where it puts a "-".

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantorel::editing {

// An internal fault: a function was given what its callers never pass.
class FailedAssertion : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// "+" for "-" and "-" for "+"; anything else throws FailedAssertion.
char InverseOf(char sign);

bool IsSign(char c);

struct ToggledText {
  std::string text;
  int caret;
};

// The text with the sign of the number at `caret` changed, and where the caret goes;
// nothing when the toggle leaves the text alone. A number is a run of digits and
// `separator`s that begins with a digit; the run looked at is the one that holds the
// character right behind the caret, or else starts right behind it. Its sign is the
// "+" or "-" in front of it, across blanks and tabs; without one a "-" goes in front
// of its first digit.
std::optional<ToggledText> ToggleSignAt(std::string_view text, int caret, char separator);

}  // namespace vantorel::editing
