#pragma once
// What follows a complete formula is ignored, so that a formula can carry a comment. A
// tail that does not read as words is more likely a slip (a power written "2^3", a comma
// for the decimal point, a product without "*"): the user is told what was ignored.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

inline constexpr std::string_view kIgnoredNoticeLead = "Ignored after the formula: ";
// Longer tails are cut to this many bytes, never inside a character written in UTF-8.
inline constexpr std::size_t kIgnoredExcerptBytes = 40;

struct IgnoredTail {
  std::string_view excerpt;  // the start of the ignored text
  bool shortened = false;    // the excerpt is not all of it
};

// The text after the formula of `text`, which ends at `formulaEnd` (the compiled form's
// FormulaEnd), without trailing blanks; nothing where there is none or it is a comment
// in words: set off by a blank and beginning with "#" or with a word that is neither x
// nor a name of a function or a constant.
std::optional<IgnoredTail> NoticeableTail(std::string_view text, std::size_t formulaEnd);

// Ignored after the formula: "^3" -- with "…" (in UTF-8) where the excerpt is shortened;
// empty where NoticeableTail gives nothing.
std::string IgnoredTextNotice(std::string_view text, std::size_t formulaEnd);

}  // namespace vantorel
