#pragma once
// The formula the expression editor shows when no formula has been stored, and the
// exchange of decimal separators in a stored formula.

#include <string>
#include <string_view>

namespace vantorel::ui {

// The built-in formula, one line of 177 characters, with `separator` in each of its six
// decimal points.
std::string DefaultFormula(char separator);

// `text` with every occurrence of `stored` replaced by `current`, left to right, the
// replaced text never looked at again. An empty `stored` changes nothing.
std::string ReplaceSeparator(std::string_view text, std::string_view stored,
                             std::string_view current);

}  // namespace vantorel::ui
